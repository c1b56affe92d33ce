@echo off
set value=unchanged
set /p value=
echo empty line: [%value%] errorlevel %errorlevel%
call :reset
set /p value=
echo a line: [%value%] errorlevel %errorlevel%
set /p value=
echo end of input: [%value%] errorlevel %errorlevel%
exit /b 0
:reset
exit /b 0
