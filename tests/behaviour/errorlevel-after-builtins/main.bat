@echo off
md sub
call :three & echo text >nul
echo echo %errorlevel%
call :three & set value=1
echo set %errorlevel%
call :three & set /a value=2
echo set/a %errorlevel%
call :three & rem nothing
echo rem %errorlevel%
call :three & cd sub
echo cd %errorlevel%
call :three & cd ..
call :three & pushd sub
echo pushd %errorlevel%
call :three & popd
echo popd %errorlevel%
call :three & md newdir
echo md %errorlevel%
call :three & rd newdir
echo rd %errorlevel%
call :three & type a.txt >nul
echo type %errorlevel%
call :three & copy a.txt b.txt >nul
echo copy %errorlevel%
call :three & move b.txt c.txt >nul
echo move %errorlevel%
call :three & ren c.txt d.txt
echo ren %errorlevel%
call :three & del d.txt
echo del %errorlevel%
call :three & del missing.txt 2>nul
echo del of a missing file %errorlevel%
call :three & dir /b >nul
echo dir %errorlevel%
call :three & setlocal
echo setlocal %errorlevel%
call :three & endlocal
echo endlocal %errorlevel%
call :three & ver >nul
echo ver %errorlevel%
call :three & title behaviour
echo title %errorlevel%
call :three & shift
echo shift %errorlevel%
call :three & if 1==1 rem
echo if %errorlevel%
call :three & for %%i in (a) do rem
echo for %errorlevel%
call :three & goto next
:next
echo goto %errorlevel%
call :three & call :nothing
echo call of a label %errorlevel%
call :three & call echo called >nul
echo call of a command %errorlevel%
call :three
exit /b 0
:three
exit /b 3
:nothing
goto :eof
