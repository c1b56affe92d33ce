@echo off
for %%a in (small) do for %%A in (capital) do echo [%%a] [%%A]
