@echo off
echo other got [%1] [%2]
set y=set by other
exit /b 7
