@echo off
robocopy src flat >nul
echo first copy %errorlevel%
robocopy src flat >nul
echo nothing new %errorlevel%
robocopy src deep /e >nul
echo with folders %errorlevel%
robocopy src mirror /mir >nul
if errorlevel 8 (echo failed) else echo mirrored
exit /b 0
