@echo off
call :sub a b c
echo back [%1]
exit /b 0
:sub
shift
echo shifted [%1] [%*]
