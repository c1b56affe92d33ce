@echo off
echo before
exit /b 7
echo never
