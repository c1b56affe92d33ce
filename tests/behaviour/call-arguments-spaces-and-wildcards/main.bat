@echo off
set v=  two   words  
call :show   b*  %v% ?.txt
call :show %v%
call :show
exit /b 0
:show
echo [%1] [%2] [%3] [%4] [%*]
goto :eof
