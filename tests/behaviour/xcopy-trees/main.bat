@echo off
md src\empty
xcopy src one /i /q >nul
xcopy src two /s /i /q >nul
xcopy src three /e /i /q >nul
xcopy src\a.txt four\ /q >nul
xcopy src\sub\*.txt five\ /q >nul
echo errorlevel %errorlevel%
