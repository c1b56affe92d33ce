@echo off
echo before
call :sub
echo not reached
exit /b 0
:sub
if %unset%==x echo no
echo not reached either