@echo off
set x=abcdef
echo [%x:~,3%]
echo [%x:~,-2%]
echo [%x:~,0%]
echo [%x:~,10%]
echo [%x:~,-10%]
set n=4
call echo [%%x:~,%n%%%]
setlocal enabledelayedexpansion
echo [!x:~,2!]
exit /b 0
