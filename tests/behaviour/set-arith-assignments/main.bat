@echo off
set /a x=5, x+=3
echo [%x%]
set /a x-=1
echo [%x%]
set /a x*=3
echo [%x%]
set /a x/=4
echo [%x%]
set /a x%%=4
echo [%x%]
set /a "x<<=3"
echo [%x%]
set /a "x>>=1"
echo [%x%]
set /a "x&=6"
echo [%x%]
set /a "x|=9"
echo [%x%]
set /a "x^=15"
echo [%x%]
set /a a=b=c=5
echo [%a%] [%b%] [%c%]
