@echo off
echo [%1] [%2] [%*]
shift
echo [%1] [%2] [%*]
:more
if "%1"=="" goto done
echo arg [%1]
shift
goto more
:done
echo [%1] [%*]
