@echo off
echo main [%1] [%2]
call :sub one two three
echo main again [%1] [%2] [%*]
exit /b 0
:sub
echo sub [%1] [%2] [%3] [%4]
echo all [%*]
