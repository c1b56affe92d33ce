@echo off
md dest
move a.txt renamed.txt >nul
move b.txt dest >nul
move c.txt dest\ >nul
move old new >nul
move /y renamed.txt dest\b.txt >nul
move missing.txt x.txt >nul 2>nul
echo missing, errorlevel %errorlevel%
