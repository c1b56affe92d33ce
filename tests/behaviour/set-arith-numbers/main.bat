@echo off
set /a a=010, b=0x1f, c=-0x10, d=0X0A
echo [%a%] [%b%] [%c%] [%d%]
set /a a=2147483647+1, b=-2147483647-1, c=0x7fffffff*2
echo [%a%] [%b%] [%c%]
set /a a=00, b=0, c=-0
echo [%a%] [%b%] [%c%]
