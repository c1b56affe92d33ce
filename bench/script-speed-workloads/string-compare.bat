@echo off
rem LSS, GTR and NEQ on words, 5,000 rounds of five comparisons.
set lower=0
set higher=0
set other=0
set n=0
:loop
set /a n+=1
if apple LSS banana set /a lower+=1
if cherry GTR banana set /a higher+=1
if %n%x NEQ 7x set /a other+=1
if word%n% LSS word5 set /a lower+=1
if Zebra LSS apple set /a lower+=1
if %n% LSS 5000 goto loop
echo %lower% %higher% %other%
