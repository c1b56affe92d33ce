@echo off
set q="quoted arg" plain
call :show %q%
for %%w in ("x y" z) do call :show %%w
call other.bat %q%
call other.bat "a b",c;d
set "M=md made"
%M%
if exist made echo made
set "E=echo from a value"
%E%
dir nothing_here_xyz >nul 2>&1
%unset%
echo errorlevel %errorlevel%
call %unset%
exit /b 0
:show
echo [%1] [%~1] [%2]
