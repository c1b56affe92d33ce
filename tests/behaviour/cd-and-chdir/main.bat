@echo off
cd sub
dir /b
cd ..
chdir sub\deep
dir /b
cd ..\..
cd /d sub
dir /b
cd ..
CD sub\
dir /b
cd ..
cd "sub\deep"
dir /b
cd ..\..
cd missing 2>nul
echo errorlevel %errorlevel%
dir /b /a:d
