@echo off
choice /c 123 >nul
if errorlevel 3 goto three
if errorlevel 2 goto two
echo one
goto :eof
:two
echo two
goto :eof
:three
echo three
