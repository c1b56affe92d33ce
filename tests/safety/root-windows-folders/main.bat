@echo off
if "%WINDIR%"=="/Windows" echo windir
if "%SystemRoot%"=="/Windows" echo systemroot
if "%ProgramFiles%"=="/Program Files" echo programfiles
