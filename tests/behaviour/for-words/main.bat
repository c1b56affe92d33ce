@echo off
for %%i in (one two three) do echo [%%i]
for %%i in (a,b;c=d) do echo sep [%%i]
for %%i in ("a b" "c") do echo quoted [%%i] [%%~i]
for %%i in () do echo never
for %%i in (  spaced   out  ) do echo [%%i]
FOR %%X IN (upper) DO ECHO [%%X]
