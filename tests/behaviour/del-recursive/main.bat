@echo off
del /s /q *.tmp >nul
dir /b /s *.tmp 2>nul
echo errorlevel %errorlevel%
