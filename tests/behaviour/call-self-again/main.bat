@echo off
if "%1"=="inner" goto inner
call %0 inner a
echo back %errorlevel%
call "%~f0" inner b
echo back %errorlevel%
%0 inner c
echo not reached
goto :eof
:inner
echo inner %2
set last=%2
exit /b 3
