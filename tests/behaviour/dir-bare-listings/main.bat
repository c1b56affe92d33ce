@echo off
dir /b *.txt
dir /b /a:d
dir /b /a:-d *.log *.txt
dir /b /o:n sub
dir /b /ad
dir /b /a-d sub
dir /b missing.txt 2>nul
echo errorlevel %errorlevel%
