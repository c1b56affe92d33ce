@echo off
set n=0
:loop
set /a n+=1
if %n% LSS 100000 goto loop
echo %n%
