@echo off
if 1==1 (
  for %%i in (a b) do echo then %%i
) else (
  for %%i in (c d) do echo else %%i
)
if 1==2 (
  for %%i in (a) do echo then %%i
) else (
  for %%i in (c) do echo else %%i
)
