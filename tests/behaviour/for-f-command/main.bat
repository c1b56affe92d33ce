@echo off
for /f %%a in ('type list.txt') do echo [%%a]
for /f "tokens=*" %%a in ('echo one two') do echo [%%a]
for /f %%a in ('call helper.bat') do echo from a batch file [%%a]
for /f "delims=" %%a in ('dir /b /a:-d *.txt') do echo listed [%%a]
