@echo off
del /s /q \*
echo errorlevel %errorlevel%
