@echo off
rem A counting loop: goto, set /a and a numeric if, 100,000 rounds.
set n=0
:loop
set /a n+=1
if %n% LSS 100000 goto loop
echo %n%
