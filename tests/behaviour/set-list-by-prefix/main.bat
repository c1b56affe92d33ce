@echo off
set ZZFIRST=1
set ZZSECOND=two words
set ZZ-THIRD=3
set zz
echo errorlevel %errorlevel%
set zznothing 2>nul
echo errorlevel %errorlevel%
set zzfirst
echo errorlevel %errorlevel%
