@echo off
echo x>"%USERPROFILE%\keep.txt"
rd /s /q %USERPROFILE%
rd /s /q %HOME%\
rd /s /q %USERPROFILE%\..\home
if exist "%USERPROFILE%\keep.txt" echo home kept
