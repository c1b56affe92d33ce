@echo off
rem The only file would land on /etc/passwd.
xcopy /y /e out \ >nul
echo errorlevel %errorlevel%
