@echo off
echo to the console 1>&2
echo to nowhere >nul
echo to nowhere either 1>NUL
type missing.txt 2>nul
type missing.txt >both.txt 2>&1
if exist both.txt echo both.txt was made
type missing.txt 2>errors.txt >nul
if exist errors.txt echo errors.txt was made
del both.txt errors.txt
echo last 2>&1
