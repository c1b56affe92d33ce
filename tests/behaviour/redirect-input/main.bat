@echo off
set /p first=< input.txt
echo [%first%]
<input.txt set /p again=
echo [%again%]
