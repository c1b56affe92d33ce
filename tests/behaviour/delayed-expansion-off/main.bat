@echo off
set x=value
echo [!x!] stays as text
setlocal enabledelayedexpansion
echo [!x!] expanded
setlocal disabledelayedexpansion
echo [!x!] text again
endlocal
echo [!x!] expanded again
endlocal
echo [!x!] text at the end
