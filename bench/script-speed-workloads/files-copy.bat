@echo off
rem for over 1,000 files with %%~nx modifiers and copy.
setlocal enabledelayedexpansion
set count=0
for %%f in (in\*.txt) do (
  copy "%%f" "out\%%~nf.bak" >nul
  set /a count+=1
  set last=%%~nxf
)
echo %count%
