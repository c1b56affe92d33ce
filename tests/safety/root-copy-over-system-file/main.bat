@echo off
copy /y a.txt \etc\passwd >nul
echo errorlevel %errorlevel%
