@echo off
md dest
copy a.txt c.txt >nul
copy a.txt dest >nul
copy b.txt dest\ >nul
copy /y b.txt c.txt >nul
copy *.txt sub >nul
copy sub\old.txt . >nul
copy missing.txt x.txt >nul 2>nul
echo missing, errorlevel %errorlevel%
