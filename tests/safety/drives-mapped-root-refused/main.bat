@echo off
rem Here the drive's folder exists, inside /tmp: only the guard keeps it.
rd /s /q c:\
rd /s /q \
del /s /q \*
robocopy out %DEST%\ /mir >nul
if exist drives\c\keep.txt echo drive kept
if exist drives\c\data\more.txt echo drive tree kept
