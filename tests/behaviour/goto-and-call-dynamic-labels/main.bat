@echo off
set next=second
goto %next%
echo skipped
:first
echo in first
exit /b 0
:second
echo in second
set t=Sub
call :%t% a b
echo sub gave %errorlevel%
set t=:SUB
call %t% c
call :leave
echo left
set n=  :FIRST extra
goto %n%
:sub
echo sub got %1 %2 [%0]
exit /b 3
:leave
set e=:EoF
goto %e%
echo not reached
