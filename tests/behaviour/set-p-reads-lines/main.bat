@echo off
set /p one=
set /p two=
echo [%one%] [%two%]
