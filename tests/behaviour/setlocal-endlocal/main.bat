@echo off
set keep=outer
set gone=
setlocal
set keep=inner
set gone=made inside
echo inside [%keep%] [%gone%]
endlocal
echo outside [%keep%] [%gone%]
