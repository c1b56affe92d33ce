@echo off
call :last
echo returned from the end of the file
goto :eof
:last
echo the last routine
