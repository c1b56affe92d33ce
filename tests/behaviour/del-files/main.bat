@echo off
del a.txt
erase c.log
del /q *.txt
del /f sub\d.txt
del /q folder
del missing.txt 2>nul
echo missing, errorlevel %errorlevel%
