@echo off
call :keep
echo after the call [%errorlevel%]
call :fail
exit /b
:keep
call :fail
exit /b
:fail
exit /b 5
