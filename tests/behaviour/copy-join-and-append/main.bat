@echo off
copy a.txt+b.txt joined.txt > nul
copy /b a.txt + b.txt bytes.txt > nul
copy a.txt all.txt > nul
copy /b all.txt + b.txt > nul
copy nul empty.txt > nul
echo errorlevel %errorlevel%
