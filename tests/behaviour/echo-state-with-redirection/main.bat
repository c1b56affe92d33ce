@echo off >made.txt
echo on 2>err.txt
@echo off
if exist made.txt echo made
if exist err.txt echo err made
cmd /c >alone.txt
if exist alone.txt echo alone made
