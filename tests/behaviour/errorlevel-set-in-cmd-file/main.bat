@echo off
nosuchprogram 2>nul
set x=1
echo in a .bat file: %errorlevel%
call sub.cmd
echo after the call: %errorlevel%