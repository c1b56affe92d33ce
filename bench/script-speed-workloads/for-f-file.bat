@echo off
rem for /f with tokens and delims over a 10,000-line file.
setlocal enabledelayedexpansion
set count=0
set total=0
for /f "tokens=1,2,4 delims=," %%a in (data.csv) do (
  set /a count+=1, total+=%%b
  set last=%%a %%c
)
echo %count% %total% %last%
