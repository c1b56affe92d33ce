@echo off
nosuchprogram 2>nul
set y=1
echo in a .cmd file: %errorlevel%
nosuchprogram 2>nul
path %path%
echo after path: %errorlevel%
