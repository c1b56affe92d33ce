@echo off
echo in other [%1] [%2]
set fromother=set by other
exit /b 3
