@echo off
if "%1"=="good" exit /b 0
echo check failed for %1
exit /b 2
