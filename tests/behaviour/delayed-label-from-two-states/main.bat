@echo off
set x=X
set n=0
goto show
:again
setlocal enabledelayedexpansion
:show
set /a n+=1
echo pass %n%: !x!
if %n% lss 2 goto again
echo done!
