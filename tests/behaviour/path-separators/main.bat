@echo off
set "PATH=%CD%\bin;%CD%\more;%PATH%"
call first
call second
