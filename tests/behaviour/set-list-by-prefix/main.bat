@echo off
set zzfirst=1
set ZZsecond=two words
set zz-third=3
set zz
echo errorlevel %errorlevel%
set zznothing 2>nul
echo errorlevel %errorlevel%
set zzfirst
echo errorlevel %errorlevel%
