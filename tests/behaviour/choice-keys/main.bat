@echo off
choice /c yn >nul
echo errorlevel %errorlevel%
choice /c yn >nul
echo errorlevel %errorlevel%
choice /c abc /n /m "Pick one" >nul
echo errorlevel %errorlevel%
