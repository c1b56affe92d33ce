@echo off
call :inner
echo never
exit /b 1
:inner
echo inside
exit 4
