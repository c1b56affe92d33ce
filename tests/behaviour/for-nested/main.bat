@echo off
for %%a in (1 2) do (
  for %%b in (x y) do echo %%a%%b
)
for %%a in (1 2) do for %%b in (p q) do echo [%%a %%b]
