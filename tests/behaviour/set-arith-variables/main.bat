@echo off
set n=4
set /a a=n*2, b=%n%*3, c=undefinedname+1
echo [%a%] [%b%] [%c%]
set s=12
set /a d=s+N
echo [%d%]
set t=3+4
set /a e=t*2, f=%t%*2
echo [%e%] [%f%]
set /a "g = 3 * ( 2 + 1 )"
echo [%g%]
set /a h = 4
echo [%h%]
set /a i=1 >nul
echo [%i%]
set /a 5+5
echo nothing printed by an unassigned set /a
set w=010
set /a j=w+0
echo [%j%]
