@echo off
rd /s /q %NOPE%\srv
echo errorlevel %errorlevel%
