@echo off
type missing.txt 2>nul && echo and after a failure
type missing.txt 2>nul || echo or after a failure
echo ok >nul && echo and after a success
echo ok >nul || echo or after a success
md made && echo md succeeded
md made 2>nul || echo md failed the second time
call :fail || echo or after a failing call
call :fail && echo and after a failing call
type missing.txt 2>nul && echo and || echo chained or
exit /b 0
:fail
exit /b 1
