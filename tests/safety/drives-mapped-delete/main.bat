@echo off
del /q c:\data\old.txt
if not exist c:\data\old.txt echo old gone
if not exist drives\c\data\old.txt echo old gone from drives\c
if exist drives\c\data\keep.txt echo keep kept
rd /s /q \data\sub
if not exist drives\c\data\sub\ echo sub gone
del /q d:\y.txt
if not exist drives\d\y.txt echo y gone
if "%WINDIR%"=="/tmp/w/drives/c/Windows" echo windir
