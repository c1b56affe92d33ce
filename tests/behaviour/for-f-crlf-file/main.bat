@echo off
for /f "delims=" %%a in (data.txt) do echo [%%a]
for /f "tokens=2" %%a in (data.txt) do echo [%%a]
