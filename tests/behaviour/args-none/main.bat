@echo off
echo [%1] [%*]
if "%1"=="" echo no arguments
if "%~1"=="" echo still none
