@echo off
rem A shift in one part of the file (after a label) holds in the next one.
call :parts "it's here" b "c d" e
echo back [%1] [%2]
exit /b 0
:parts
echo [%1] [%2] [%3] [%4]
shift /2
goto next
:next
echo [%1] [%2] [%3]
shift
if "%~1"=="" goto end
goto next
:end
echo done [%0] [%*]
