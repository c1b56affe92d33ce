@echo off
set z=old
set /a z=1/0 2>nul
echo [%z%] %errorlevel%
set /a z=5%%0 2>nul
echo [%z%] %errorlevel%
call :reset
set /a z=09 2>nul
if errorlevel 1 echo a bad number fails, [%z%]
call :reset
set /a z=(1+2 2>nul
if errorlevel 1 echo an open parenthesis fails, [%z%]
call :reset
set /a z=3
echo [%z%] %errorlevel%
exit /b 0
:reset
exit /b 0
