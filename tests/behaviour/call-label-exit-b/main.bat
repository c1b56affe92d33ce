@echo off
call :ok
echo ok gave %errorlevel%
call :fails
echo fails gave %errorlevel%
call :ok
if errorlevel 1 (echo wrong) else echo ok again
exit /b 0
:ok
exit /b 0
:fails
echo inside fails
exit /b 12
echo never
