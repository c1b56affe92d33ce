@echo off
if 1==1 >out.txt echo into the file
if 1==1 <nul set /p "=no line end"
echo .
if defined path 2>nul echo defined
if 1==2 (echo no) else >>out.txt echo appended
type out.txt