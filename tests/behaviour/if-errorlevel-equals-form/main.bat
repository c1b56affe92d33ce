@echo off
ver >nul
IF ERRORLEVEL==1 echo one after ver
nosuchprogram 2>nul
IF ERRORLEVEL==1 echo one after a failure
if errorlevel=1 echo with one equal sign