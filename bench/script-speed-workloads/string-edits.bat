@echo off
rem Substrings, replacements, !x! and if /i in a loop of 5,000 rounds.
setlocal enabledelayedexpansion
set path_text=C:\Program Files\Tools\bin\tool.exe
set hits=0
set n=0
:loop
set /a n+=1
set part=%path_text:~3,7%
set swapped=%path_text:\=/%
set tail=%path_text:~-8%
set word=!part!!n!
if /i "!part!"=="program" set /a hits+=1
if /i "%tail%"=="TOOL.EXE" set /a hits+=1
if %n% LSS 5000 goto loop
echo %hits% %part% %swapped% %tail% %word%
