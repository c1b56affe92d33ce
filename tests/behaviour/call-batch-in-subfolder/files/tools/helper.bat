@echo off
echo helper sees [%1]
if exist "%~dp0helper.bat" echo helper knows its own folder
if exist main.bat echo the current folder is the caller's
