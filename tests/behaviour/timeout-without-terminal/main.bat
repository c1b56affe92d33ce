@echo off
timeout /t 1 /nobreak >nul 2>&1
if errorlevel 1 echo timeout refuses input that is not a console
timeout /t 1 >nul 2>&1
if errorlevel 1 echo also without /nobreak
echo done
