@echo off
for %%f in (docs\report.final.txt) do echo [%%~nf] [%%~xf] [%%~nxf]
for %%f in ("docs\report.final.txt") do echo [%%f] [%%~f]
for %%f in (docs\*.txt) do if exist "%%~ff" echo the full path exists
for %%f in (docs\*.txt) do if exist "%%~dpfreport.final.txt" echo the folder ends in a backslash
for %%f in (noext) do echo [%%~nf] [%%~xf]
for /f "delims=" %%a in ("x.tar.gz") do echo [%%~na] [%%~xa]
