@echo off
path c:\dos;c:\windows
set PATH=C:\tools;%PATH%
md sub\deep
echo hi> sub\deep\x.txt
copy sub\deep\x.txt sub\y.txt >nul
if /i "ABC"=="abc" echo same
set v=Hello
echo %v:~1,3% %v:l=L%
ver >nul
echo ver %errorlevel%
if "b" GTR "a" echo greater
dir /b sub
del /q sub\y.txt
move sub\deep\x.txt sub\z.txt >nul
type sub\z.txt
for %%f in (sub\*.txt) do echo found %%~nxf
