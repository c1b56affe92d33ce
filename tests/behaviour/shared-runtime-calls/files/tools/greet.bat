@echo off
set GREETING=hello %1
echo %GREETING% from %~n0
