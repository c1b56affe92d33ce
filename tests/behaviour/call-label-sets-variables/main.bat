@echo off
call :make result
echo [%result%]
exit /b 0
:make
set %1=made by the routine
