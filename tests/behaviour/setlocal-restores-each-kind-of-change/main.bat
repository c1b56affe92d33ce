@echo off
set a=outer
set gone=here
set n=5
set "keep=%PATH%"
setlocal
set a=first
set new=made
set gone=
set /a n+=1
set /p typed=
for /f "tokens=2" %%t in ("x from-for") do set fromfor=%%t
set name=dyn
set %name%amic=by-name
set "PATH=%PATH%;C:\extra"
call other.bat
setlocal
set a=second
set new=inner
set /a n*=10
endlocal
echo inner ended [%a%] [%new%] [%n%]
set a=third
set /a n+=1
echo in scope [%a%] [%new%] [%gone%] [%n%] [%typed%] [%fromfor%] [%dynamic%] [%called%]
endlocal
echo after [%a%] [%new%] [%gone%] [%n%] [%typed%] [%fromfor%] [%dynamic%] [%called%] [%name%]
if "%PATH%"=="%keep%" echo PATH is back
for /l %%i in (1,1,3) do call :round %%i
echo rounds [%r%] [%a%]
exit /b 0
:round
setlocal
set r=%1
set a=round%1
goto :eof
