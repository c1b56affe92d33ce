@echo off
robocopy out %DEST%\ /mir >nul
echo errorlevel %errorlevel%
