@echo off
set x=old
set /a x=5/(1/0)
echo [%x%]
set /a y=7%%(2/0)
echo [%y%]
set /a z=8/(4/2), w=9/(z-4)
echo [%z%] [%w%]
set /a z=8/(4/(3-1))
echo [%z%]
exit /b 0
