@echo off
ren *.txt *.log
dir /b *.log
dir /b *.dat
