@echo off
gotosecond
echo skipped
:second
ÿ
for %%a in (abcÿd) do echo [%%a]
cdsub
if exist here.txt echo in sub
exit /b3
