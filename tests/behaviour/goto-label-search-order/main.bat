@echo off
set n=0
goto twice
:twice
set /a n+=1
echo first copy, pass %n%
if %n% GEQ 2 goto end
goto twice
:twice
echo second copy
:end
goto next
:next
echo search starts after the current line
goto back
echo never
:back
echo end
