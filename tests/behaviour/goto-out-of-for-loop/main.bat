@echo off
for %%i in (1 2 3 4 5) do (
  echo item %%i
  if %%i==3 goto found
)
echo never
:found
echo left the loop
for %%i in (a b c) do if %%i==b goto second
:second
echo left again
