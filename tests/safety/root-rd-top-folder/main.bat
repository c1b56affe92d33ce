@echo off
rd /s /q c:\srv
echo errorlevel %errorlevel%
