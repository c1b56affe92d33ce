@echo off
set v=parent
echo child | set /p v=
echo [%v%]
