@echo off
choice /c yn /t 5 /d n >nul
echo errorlevel %errorlevel%
