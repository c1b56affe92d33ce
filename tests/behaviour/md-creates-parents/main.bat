@echo off
md a\b\c
mkdir x y
md "with space"
md a 2>nul
echo existing, errorlevel %errorlevel%
md a\b\c\d
echo nested again, errorlevel %errorlevel%
MD upper
