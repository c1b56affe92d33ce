@echo off
rem DEST is not set: the mirror's destination is the root of the current drive.
robocopy out %DEST%\ /mir >nul
echo errorlevel %errorlevel%
