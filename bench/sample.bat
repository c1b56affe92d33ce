@echo off
setlocal
rem Builds the release and copies it to the share
title Release build
cls
echo.
echo ============================================
echo   Building %PROJECT% version %VERSION%
echo ============================================
echo.
set ROOT=%~dp0
set OUT=%ROOT%out
set LOG=%TEMP%\build.log
set PATH=c:\tools\bin;%PATH%
SET CONFIG=Release
if not exist "%OUT%" mkdir "%OUT%"
if exist %LOG% del %LOG%
if "%1"=="" goto usage
if /i "%1"=="clean" goto clean
if errorlevel 1 goto failed
IF DEFINED VERBOSE echo Verbose output is on
:: Collect the sources
for %%f in (src\*.c) do echo Compiling %%f
for /d %%d in (modules\*) do call :build_module %%d
    echo Copying the headers...
    copy include\*.h "%OUT%\include\" /y >nul
    xcopy /s /e /i assets "%OUT%\assets"
call :sign "%OUT%\app.exe"
reg add "HKCU\Software\Example" /v InstallDir /t REG_SZ /d "%OUT%" /f
REG QUERY "HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion" /v ProductName
ECHO Registry updated.
ping -n 2 127.0.0.1 >nul
cd %ROOT%
cd\
md backup
rd /s /q temp
move /y "%OUT%\app.exe" "%OUT%\bin\app.exe"
ren old.txt new.txt
type readme.txt
attrib +r "%OUT%\*.exe"
deltree /y temp
echo Build finished at %TIME% on %DATE%.
goto end
:usage
echo Usage: build [clean]
echo        Builds the release into the out folder.
pause
exit /b 1
:clean
echo Cleaning...
del /q "%OUT%\*.*"
rmdir /s /q "%OUT%"
goto end
:failed
echo The build failed: see %LOG%
start notepad %LOG%
exit /b 2
:build_module
setlocal
set MODULE=%~1
echo   module %MODULE%
if exist "%MODULE%\Makefile" (
  pushd "%MODULE%"
  nmake /nologo
  popd
)
endlocal
goto :eof
:sign
signtool sign /a "%~1"
goto :eof
:end
echo Done.
endlocal
