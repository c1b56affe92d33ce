@echo off
set here=%~dp0
if "%here:~-1%"=="\" echo ends with a backslash
if exist %~dp0tools\helper.txt echo joined without a separator
cd tools
cd ..
if exist "%~dp0main.bat" echo the script itself
