@echo off
move x.txt \ >nul
echo next
