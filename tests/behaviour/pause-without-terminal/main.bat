@echo off
echo before
pause
echo after
pause >nul
echo after a quiet pause
