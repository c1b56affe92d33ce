@echo off
rem for /l with set /a and ifs on numbers, 20,000 rounds.
setlocal enabledelayedexpansion
set /a sum=0, odd=0, big=0
for /l %%i in (1,1,20000) do (
  set /a sum+=%%i, r=%%i %% 2
  if !r! EQU 1 set /a odd+=1
  if %%i GTR 15000 set /a big+=1
)
echo %sum% %odd% %big%
