@echo off
echo one
goto :eof
echo never
