@echo off
move x.txt \ >nul
echo errorlevel %errorlevel%
if exist x.txt echo x.txt stayed
