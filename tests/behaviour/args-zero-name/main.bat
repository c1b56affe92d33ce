@echo off
echo [%~n0]
call :routine
exit /b 0
:routine
echo [%0] [%~n0]
