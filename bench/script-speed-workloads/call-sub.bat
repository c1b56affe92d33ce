@echo off
rem call :sub with arguments, 10,000 calls.
set total=0
set n=0
:loop
set /a n+=1
call :add %n% 3
if %n% LSS 10000 goto loop
echo %total%
exit /b 0

:add
set /a part=%1 * %2
set /a total=%total% + %part%
exit /b 0
