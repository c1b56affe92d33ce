@echo off
choice /c abc /m "Pick one" /d a /t 0
echo errorlevel %errorlevel%
choice /c def /d f /t 0
echo errorlevel %errorlevel%
choice /c abc /n /d b /t 0
echo errorlevel %errorlevel%
choice /c abcABC /cs /d A /t 0
echo errorlevel %errorlevel%
choice /c abcABC /d A /t 0 >nul 2>nul
echo errorlevel %errorlevel%
exit /b 0
