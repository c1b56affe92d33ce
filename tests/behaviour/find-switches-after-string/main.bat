@echo off
find "b" data.txt /I
echo errorlevel %errorlevel%
find "B" /v data.txt /C
echo errorlevel %errorlevel%