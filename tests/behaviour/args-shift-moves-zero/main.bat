@echo off
call :sub one "two 2" three
call :keep one two
shift
echo top [%0] [%1]
shift
echo top [%0] [%~0] [%1]
exit /b 0

:sub
echo sub [%0] [%1]
shift
echo sub [%0] [%1] [%*]
shift
echo sub [%0] [%~0] [%1]
shift
echo sub [%0] [%1]
exit /b 0

:keep
shift /1
echo keep [%0] [%1]
exit /b 0
