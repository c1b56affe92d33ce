@echo off
cd sub
call ..\tools\greet.bat world
echo back in main: %GREETING%
call :local two
cd ..
exit /b 3
:local
echo local label %1
goto :eof
