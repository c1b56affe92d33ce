@echo off
setlocal enabledelayedexpansion
set s=Hello World
echo [!s:~0,5!] [!s:~-5!] [!s:~1,-1!]
echo [!s:o=0!] [!s:*W=w!] [!s:WORLD=There!]
set start=2
echo [!s:~%start%,3!]
for %%n in (1 3) do echo [!s:~%%n,2!]
