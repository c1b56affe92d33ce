@echo off
for /f "skip=1 eol=#" %%a in (data.txt) do echo [%%a]
for /f "skip=2 tokens=*" %%a in (data.txt) do echo [%%a]
for /f "eol=v delims=" %%a in (data.txt) do echo [%%a]
