@echo off
set "PATH=%CD%\tools;%PATH%"
call helper
helper.bat
