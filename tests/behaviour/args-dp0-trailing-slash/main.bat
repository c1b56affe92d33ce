@echo off
set here=%~dp0
if "%here:~-1%"=="\" echo ends with a folder separator
if "%here:~-1%"=="/" echo ends with a folder separator
if exist %~dp0tools\helper.txt echo joined without a separator
cd tools
cd ..
if exist "%~dp0main.bat" echo the script itself
