@echo off
set result=1
call :factorial 5
echo 5! = %result%
exit /b 0
:factorial
if %1 LEQ 1 goto :eof
set /a result=result*%1
set /a next=%1-1
call :factorial %next%
goto :eof
