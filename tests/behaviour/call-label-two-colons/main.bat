@echo off
call ::sub one
echo back: %errorlevel%
exit /b 0
:sub
echo in sub [%1]