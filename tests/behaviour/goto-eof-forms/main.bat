@echo off
call :a
call :b
call :c
echo done
goto :EOF
:a
echo a
goto:eof
:b
echo b
GOTO :Eof
:c
echo c
