@echo off
set shared=original
call other.bat
echo [%fromother%] [%shared%]
