@echo off
rd /s /q \
echo errorlevel %errorlevel%
rd /s /q c:\
echo errorlevel %errorlevel%
