@echo off
md keep
echo y> keep\file.txt
call :set 0
rd keep 2>nul
echo not empty, errorlevel %errorlevel%
rd missing 2>nul
echo missing, errorlevel %errorlevel%
rd missing 2>nul || echo the failure still counts for ^|^|
call :set 4
rd keep 2>nul
echo errorlevel %errorlevel%
exit /b 0
:set
exit /b %1
