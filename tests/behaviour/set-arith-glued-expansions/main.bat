@echo off
setlocal enabledelayedexpansion
set player=2
set money_2=100
set /a money_%player%=money_%player% + 50
set /a money_%player%+=5
echo [%money_2%]
set /a money_%player%=!money_%player%! - 30
echo [!money_2!]
set sec=08
set /a s=1%sec% - 100
set /a t=2%sec%*2
echo [%s%] [%t%]
for %%a in (05 10) do set /a h%%a=1%%a %% 100
echo [%h05%] [%h10%]
set i=3
set /a x%i%=7, y=x%i%*2
echo [%x3%] [%y%]
set /a z=0x%i%f
echo [%z%]
set name=h05
set /a "%name%*=-2"
call :assign h10 7
echo [%h05%] [%h10%]
exit /b 0
:assign
set /a %~1=%2*3
exit /b 0
