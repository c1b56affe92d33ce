@echo off
rem A goto whose label is known only when it runs looks for the label after
rem its own line first, and from the top of the file when none follows.
set n=0
set t=twice
:twice
set /a n+=1
echo first copy, pass %n%
if %n% GEQ 3 goto end
goto %t%
:twice
echo second copy, pass %n%
goto %t%
:end
echo end %n%
