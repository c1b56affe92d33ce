@echo off
set n=0
for /l %%i in (1,1,5) do (
  set /a n+=1
  if %%i==2 goto out
)
:out
echo rounds %n%
for /f %%a in ("x y") do goto second
:second
echo done
