@echo off
call other.bat first second
echo back, errorlevel %errorlevel% [%fromother%]
call other first
echo back again, errorlevel %errorlevel%
