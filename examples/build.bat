@echo off
:: Build the report and keep a copy of every result
setlocal
if "%1"=="" goto usage
md out
for %%f in (src\*.txt) do copy %%f out\%%f.bak
type src\header.txt
find /i "error" build.log
if errorlevel 1 echo No errors found.
attrib +r out\*.bak
del /q tmp\*.*
deltree /y tmp
exit /b
:usage
echo Usage: build target
