@echo off
ren \x.txt y.txt
copy /y a.txt \a.txt >nul
xcopy /y /e out \ >nul
echo next
