@echo off
gotosecond
echo skipped
:second
for %%a in (abc d) do echo [%%a]
cdsub
if exist here.txt echo in sub
exit /b3
