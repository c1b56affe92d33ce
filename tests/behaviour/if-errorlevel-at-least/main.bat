@echo off
call :level 3
if errorlevel 4 echo at least 4
if errorlevel 3 echo at least 3
if errorlevel 2 echo at least 2
if errorlevel 0 echo at least 0
if not errorlevel 4 echo below 4
if not errorlevel 3 echo below 3
if ERRORLEVEL 1 echo capitals
call :level 0
if errorlevel 1 (echo failed) else echo succeeded
exit /b
:level
exit /b %1
