@echo off
setlocal enabledelayedexpansion
set v=1
echo Hello!
echo one ! two
echo [!v!] [^!v^!] [^^!v^^!]
echo "quoted ^^! mark"
echo caret^^!bang
echo !undefined!gone
