@echo off
for %%i in (x y z) do echo %%i>> loop.txt
call :sub > call.txt
type call.txt
exit /b 0
:sub
echo from the routine
echo second line
