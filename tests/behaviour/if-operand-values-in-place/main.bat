@echo off
set q="a b"
if %q%=="a b" echo quoted value with a blank
set n=  5
if %n% equ 5 echo blanks around a number
set v=abc 
if %v%==abc echo a blank after the value
if /i abc==%v% echo on the right too
set e=
if "%e%"=="" echo quoted empty
if %q%==x (echo no) else echo else branch
for %%i in (1 2) do if %%i==2 echo loop %%i
