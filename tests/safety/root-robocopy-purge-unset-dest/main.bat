@echo off
robocopy out %DEST%\ /purge >nul
echo errorlevel %errorlevel%
