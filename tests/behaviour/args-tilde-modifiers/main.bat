@echo off
echo [%~n1] [%~x1] [%~nx1]
call :parts "with space.txt" sub\deeper\notes.md noext
exit /b
:parts
echo [%1] [%~1] [%~n1] [%~x1]
echo [%2] [%~n2] [%~x2] [%~nx2]
echo [%3] [%~n3] [%~x3]
