@echo off
for /f %%a in ("alpha beta") do echo [%%a]
for /f "tokens=2" %%a in ("alpha beta gamma") do echo [%%a]
for /f "tokens=1-3 delims=-" %%a in ("2024-05-06") do echo [%%c] [%%b] [%%a]
set pair=key=value
for /f "tokens=1,2 delims==" %%a in ("%pair%") do echo [%%a] [%%b]
