@echo off
echo x>%TEMP%\x.txt
if exist %TEMP%\x.txt echo made
del /q %TEMP%\x.txt
echo errorlevel %errorlevel%
if not exist %TEMP%\x.txt echo gone
