@echo off
for %%X in (no-such-program.exe) do echo [%%~$PATH:X]
set LIST=sub;other
for %%X in (tool.txt) do echo [%%~nx$LIST:X]
for %%X in (none.txt) do echo [%%~$LIST:X]
for %%X in (tool.txt) do echo [%%~$UNDEFINEDLIST:X]