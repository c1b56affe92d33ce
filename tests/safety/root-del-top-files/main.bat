@echo off
del /q c:\*
echo errorlevel %errorlevel%
