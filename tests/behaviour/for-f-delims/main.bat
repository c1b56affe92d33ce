@echo off
for /f "tokens=1-4 delims=," %%a in (data.csv) do echo [%%a] [%%b] [%%c] [%%d]
for /f "tokens=1,2 delims=,;" %%a in (data.csv) do echo [%%a] [%%b]
for /f "delims=" %%a in (data.csv) do echo [%%a]
for /f "tokens=2 delims=e" %%a in (data.csv) do echo [%%a]
