@echo off
setlocal enabledelayedexpansion
set v=one
call :sub go
echo status %errorlevel%
call :sub stop
echo status !errorlevel! v=!v!
endlocal
echo off now !v!
goto :eof
:sub
setlocal
set v=two
if "%~1"=="stop" endlocal & echo stopped !v! & exit /b 1
echo cont !v!
endlocal
exit /b 0
