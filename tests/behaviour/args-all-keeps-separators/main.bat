@echo off
call :show JAVA_HOME not set; results may vary
call :show a,b;c=d
call :show   two  spaces	and a tab  
call :show "q;x" y
exit /b 0
:show
echo [%*] [%1] [%2]
goto :eof