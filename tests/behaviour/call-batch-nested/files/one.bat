@echo off
echo one starts
call two.bat
echo one ends
