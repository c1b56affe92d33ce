@echo off
call :fail
echo [%errorlevel%]
exit /b 0
:fail
exit /b 3
