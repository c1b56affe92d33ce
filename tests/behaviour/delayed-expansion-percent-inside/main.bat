@echo off
setlocal enabledelayedexpansion
set name=v
set v=found
echo [!%name%!]
set i=2
set item2=second
echo [!item%i%!]
for %%k in (1 2) do (
  set item%%k=value %%k
  echo [!item%%k!]
)
