@echo off
for %%a in ("wow!") do echo off [%%~a]
setlocal enabledelayedexpansion
for %%a in ("wow!") do echo on [%%~a]
set "word=hi!"
echo [%word%]
