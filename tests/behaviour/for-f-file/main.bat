@echo off
for /f %%a in (data.txt) do echo [%%a]
for /f "delims=" %%a in (data.txt) do echo whole [%%a]
for /f "tokens=*" %%a in (data.txt) do echo trimmed [%%a]
