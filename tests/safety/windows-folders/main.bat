@echo off
rem The harness runs the script with HOME=/tmp/home and no XDG variables.
if "%APPDATA%"=="/tmp/home/.config" echo appdata
if "%LOCALAPPDATA%"=="/tmp/home/.local/share" echo localappdata
if "%WINDIR%"=="/mnt/c/Windows" echo windir
if "%SystemRoot%"=="/mnt/c/Windows" echo systemroot
if "%ProgramFiles%"=="/mnt/c/Program Files" echo programfiles
if defined APPDATA if defined ProgramFiles if defined SystemRoot echo all defined
