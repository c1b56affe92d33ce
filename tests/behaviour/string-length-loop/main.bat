@echo off
setlocal enabledelayedexpansion
set text=abcdefg
set len=0
:count
if not "!text:~%len%,1!"=="" (
  set /a len+=1
  goto count
)
echo length %len%
