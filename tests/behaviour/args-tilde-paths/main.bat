@echo off
if exist "%~f1" echo full path of the argument exists
if exist "%~dp1data.txt" echo folder of the argument holds it
if "%~d1"=="%~d0" echo on the same drive as the script
cd sub
if exist "%~dp0data.txt" echo found beside the script
type "%~dp0data.txt"
for %%f in ("%~dp0sub\*.txt") do echo in sub: %%~nxf
call :sub inner.txt
exit /b
:sub
if exist "%~f1" echo full path is relative to the current folder
