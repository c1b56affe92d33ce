@echo off
ping -n 2 127.0.0.1 >nul
echo sleep [%errorlevel%]
PING.EXE /N 1 127.0.0.1
echo one echo [%errorlevel%]
ping -n 0 127.0.0.1
echo no echo [%errorlevel%]
ping -q 127.0.0.1 >nul
echo bad option [%errorlevel%]
ping -n 1 >nul
echo no host [%errorlevel%]
exit /b 0
