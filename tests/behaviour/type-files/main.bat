@echo off
type a.txt
type noend.txt
echo.
type a.txt b.txt 2>nul
type missing.txt 2>nul
echo missing, errorlevel %errorlevel%
type sub 2>nul
