@echo off
rem Start-up file for the lab machines
path c:\dos;c:\windows;c:\tools\bin
set TEMP=C:\TEMP
set EDITOR=edit
prompt $p$g
lh C:\DOS\MOUSE.COM /Y
lh doskey /insert
doskey ll=dir /w $*
mode con: cols=80 lines=50

if exist C:\TOOLS\SETUP.BAT call C:\TOOLS\SETUP.BAT
if not exist C:\TEMP\NUL md C:\TEMP
cd\projects
echo Ready.
