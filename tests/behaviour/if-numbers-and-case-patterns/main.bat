@echo off
set n=010
if %n% EQU 8 echo set n=010 is octal 8
set /a n=n+0
if %n% EQU 8 echo after set /a it is [%n%]
if %n% LSS 9 echo and LSS 9
set m=5x
if %m% EQU 5 (echo wrong) else echo [%m%] is text
set /a k=-7
if %k% LSS -6 echo -7 LSS -6
if -6 GTR %k% echo -6 GTR -7
set k=-07
if %k% EQU -7 echo -07 is octal -7
set /a big=2147483647
if %big% GTR 999999999 echo [%big%] GTR 999999999
set /a r=17 %% 5, o=010 + 1, h=0x1F
echo [%r%] [%o%] [%h%]
set t=Tool.EXE
if /i %t%==TOOL.exe echo same in any case
if /i "%t%"=="tool.ex?" (echo wrong) else echo a ? in the text is no wildcard
if /i "a*b"=="A*B" echo star
set name=x*y
if /i [%name%]==[X*Y] echo brackets
if /i %name%==x?y (echo wrong) else echo no pattern
exit /b 0
