@echo off
rem call :sub with arguments and setlocal and endlocal in it, 1,000 calls.
set total=0
set n=0
:loop
set /a n+=1
call :add %n% 3
if %n% LSS 1000 goto loop
echo %total%
exit /b 0

:add
setlocal
set /a part=%1 * %2
endlocal & set /a total=%total% + %part%
exit /b 0
