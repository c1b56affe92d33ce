@echo off
set v=0
setlocal
set v=1
setlocal
set v=2
echo [%v%]
endlocal
echo [%v%]
endlocal
echo [%v%]
endlocal
echo an extra endlocal does nothing [%v%]
