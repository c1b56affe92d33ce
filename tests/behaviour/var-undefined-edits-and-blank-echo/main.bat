@echo off
echo [%undef:~0,2%] [%undef:a=b%] [%undef:*a=%]
set d=hello
echo [%d:~0,2%] [%d:l=L%]
if "%undef:~0,1%"=="~0,1" echo the edit stays
echo %unset%
set s=off
echo %s%
echo %s% and more
echo %unset%  %unset%
