@echo off
set x=out
for %%i in (1 2 3) do (
  echo round %%i
  goto %x%
)
echo not reached
:out
echo out of the loop
set y=Sub
for %%i in (1 2) do call :%y% %%i
echo done
exit /b
:sub
echo sub %1 [%0]
