@echo off
set x=outer
cmd /c exit 3
echo exit [%errorlevel%]
cmd /c exit /b 5
echo exit /b [%errorlevel%]
cmd /c exit 300
echo wide [%errorlevel%]
cmd /c "set x=inner& echo in the child [%x%]"
echo in the parent [%x%]
cmd.exe /c "echo one& echo two"
CMD /C echo.bat says hi
cmd /c other.bat a b
echo other [%errorlevel%] [%y%]
cmd /c "other.bat" c
echo quoted [%errorlevel%]
cmd /c echo out> out.txt
cmd /c exit 0
echo cleared [%errorlevel%]
exit /b 0
