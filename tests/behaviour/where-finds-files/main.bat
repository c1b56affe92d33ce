@echo off
where /q nosuchprogram
echo missing, errorlevel %errorlevel%
where /q main.bat
echo here, errorlevel %errorlevel%
where nosuchprogram 2>nul
echo errorlevel %errorlevel%
