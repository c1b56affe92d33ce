@echo off
type *.txt 2>nul
type one.txt x.log 2>nul
type nul
type missing.txt one.txt 2>nul
echo errorlevel %errorlevel%
