@echo off
rem git keeps no empty folder, so the case makes its own
md d\folder
echo by name
dir /b /o:n d
echo reversed
dir /b /o:-n d
echo files first
dir /b /o:-g d
echo by size, files only
dir /b /o:s /a:-d d
echo by extension, reversed
dir /b /o:-e /a:-d d
echo lower case
dir /b /l D\C.TXT
