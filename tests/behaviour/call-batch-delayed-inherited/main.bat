@echo off
setlocal enabledelayedexpansion
set "PATH=%~dp0tools;%PATH%"
set v=main
call lib\util.bat one
echo back !r!
call "%~dp0lib\util.bat" two
echo back !r!
call helper x
call :lab
endlocal
call lib\util.bat four
echo end
goto :eof
:lab
call lib\util.bat three
echo lab !r!
