@echo off
set /a r=%RANDOM%
if %r% GEQ 0 if %r% LEQ 32767 echo a number from 0 to 32767
set RANDOM=fixed
echo a set value hides it [%RANDOM%]
