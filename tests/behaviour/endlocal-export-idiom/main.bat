@echo off
setlocal
set result=computed value
set temp1=scratch
endlocal & set "result=%result%"
echo [%result%] [%temp1%]
call :work answer
echo [%answer%]
exit /b 0
:work
setlocal
set value=from the routine
endlocal & set "%1=%value%"
goto :eof
