@echo off
for /f "usebackq delims=" %%a in ("my list.txt") do echo file [%%a]
for /f "usebackq" %%a in (`type plain.txt`) do echo command [%%a]
for /f "usebackq tokens=2" %%a in ('a b c') do echo string [%%a]
for /f "usebackq" %%a in (plain.txt) do echo unquoted [%%a]
