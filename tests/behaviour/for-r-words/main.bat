@echo off
for /r a %%f in (one) do echo [%%~nxf]
