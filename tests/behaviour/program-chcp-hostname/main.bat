@echo off
chcp 65001 >nul
echo chcp [%errorlevel%]
chcp
chcp.com 65001
echo chcp again [%errorlevel%]
chcp x 2>nul
echo chcp x [%errorlevel%]
hostname >nul
echo hostname [%errorlevel%]
WHOAMI.EXE >nul
echo whoami [%errorlevel%]
exit /b 0
