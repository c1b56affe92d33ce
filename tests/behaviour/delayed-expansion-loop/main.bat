@echo off
setlocal enabledelayedexpansion
set n=0
for %%i in (a b c) do (
  set /a n+=1
  echo %%i now !n! was %n%
)
set list=
for %%i in (x y z) do set list=!list!%%i
echo [!list!]
