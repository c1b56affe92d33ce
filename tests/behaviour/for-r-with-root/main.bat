@echo off
for /r src %%f in (*.c) do echo [%%~nxf]
for /r "src" %%f in (*.c) do echo quoted root [%%~nxf]
for /r src\lib %%f in (*.c) do echo deeper [%%~nxf]
