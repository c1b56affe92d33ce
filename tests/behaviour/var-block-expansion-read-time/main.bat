@echo off
set x=before
(
  set x=inside
  echo in the block [%x%]
)
echo after the block [%x%]
if 1==1 (
  set y=set in if
  echo in the if [%y%]
)
echo after the if [%y%]
for %%i in (1 2 3) do (
  set z=%%i
  echo loop %%i sees [%z%]
)
echo after the loop [%z%]
