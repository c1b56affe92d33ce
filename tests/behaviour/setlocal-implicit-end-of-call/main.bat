@echo off
set shared=original
call :sub
echo after the call [%shared%] [%made%]
exit /b 0
:sub
setlocal
set shared=changed
set made=inside
echo in the routine [%shared%] [%made%]
