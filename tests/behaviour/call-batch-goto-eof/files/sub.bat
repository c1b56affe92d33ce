@echo off
echo in sub
goto :eof
echo never
