@echo off
rem for /f with tokens and delims over a command's output, 10,000 lines.
setlocal enabledelayedexpansion
set count=0
set sevens=0
for /f "usebackq tokens=2,3 delims=," %%a in (`type data.csv`) do (
  set /a count+=1
  if %%a==0 set /a sevens+=1
  set last=%%b
)
echo %count% %sevens% %last%
