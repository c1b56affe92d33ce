@echo off
set n=0
:again
set /a n=n+1
echo round %n%
if %n% LSS 3 goto again
echo done
