@echo off
echo [%ERRORLEVEL%]
call :status 4
echo [%ERRORLEVEL%] [%errorlevel%]
set ERRORLEVEL=9
echo [%ERRORLEVEL%]
if errorlevel 5 (echo the real level is at least 5) else echo the real level is below 5
set ERRORLEVEL=
echo [%ERRORLEVEL%]
exit /b
:status
exit /b %1
