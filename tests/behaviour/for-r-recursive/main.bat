@echo off
for /r %%f in (*.c) do echo [%%~nxf]
