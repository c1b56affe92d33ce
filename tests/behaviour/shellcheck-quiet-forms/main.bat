@echo off
for %%a in (1 5) do if %%a0 GEQ 10 echo big %%a
echo x 2>&1 >nul
echo done
