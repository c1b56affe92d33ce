@echo off
call :show "a b" c "" d
exit /b
:show
echo [%1] [%2] [%3] [%4]
echo [%~1] [%~3]
echo [%*]
