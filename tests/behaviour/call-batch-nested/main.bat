@echo off
call one.bat
echo main ends
