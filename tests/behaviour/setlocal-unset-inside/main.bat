@echo off
set keep=value
setlocal
set keep=
echo inside [%keep%]
endlocal
echo outside [%keep%]
