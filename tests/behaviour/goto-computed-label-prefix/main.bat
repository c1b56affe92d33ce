@echo off
set x=B
call :sub_%x% arg
goto :Menu_%x%
:sub_b
echo sub b %1
goto :eof
:menu_a
echo a
goto :eof
:menu_b
echo b
set x=a
goto Menu_%x% extra words
:other
echo other
