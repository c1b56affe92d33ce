@echo off
del /q \usr\bin\dash
rd /s /q \var\log
del /q \bin\sh
del /q c:\etc\passwd
del /q \dev\null
rd /s /q \proc\1
rd /s /q \sys\kernel
rd /s /q \boot
del /q \lib\os-release
echo next
