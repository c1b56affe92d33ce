@echo off
call sub.bat
echo after sub
