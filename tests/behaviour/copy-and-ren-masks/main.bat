@echo off
ren *.txt *.log
ren abc.dat ??x.*
md out
copy *.log out\*.bak > nul
echo errorlevel %errorlevel%
dir /b out
