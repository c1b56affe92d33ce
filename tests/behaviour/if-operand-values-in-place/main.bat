@echo off
set q="a b"
if %q%=="a b" echo quoted value with a blank
set e=
if "%e%"=="" echo quoted empty
if %q%==x (echo no) else echo else branch
for %%i in (1 2) do if %%i==2 echo loop %%i