@echo off
ren \etc etc.old
echo errorlevel %errorlevel%
ren c:\etc\passwd passwd.old
echo errorlevel %errorlevel%
