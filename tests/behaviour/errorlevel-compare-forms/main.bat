@echo off
call :level 2
if %errorlevel% EQU 2 echo equal to 2
if %errorlevel% NEQ 0 echo not 0
if %errorlevel% GEQ 1 echo at least 1
if "%errorlevel%"=="2" echo text 2
exit /b 0
:level
exit /b %1
