@echo off
xcopy src dest /y /q >nul
echo errorlevel %errorlevel%
