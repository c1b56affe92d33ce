@echo off
set count=0
for %%i in (x y z) do (
  echo item %%i
  set /a count+=1
)
echo count %count%
for %%i in (1 2) do (
  if %%i==1 (echo first) else (echo not first)
)
