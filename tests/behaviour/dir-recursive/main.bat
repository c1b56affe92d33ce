@echo off
for /f "delims=" %%f in ('dir /b /s *.txt') do echo [%%~nxf]
