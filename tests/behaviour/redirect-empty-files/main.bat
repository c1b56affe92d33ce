@echo off
type nul > empty.txt
echo.> blank.txt
echo.>>blank.txt
type nul >> empty.txt
