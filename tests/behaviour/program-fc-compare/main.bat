@echo off
fc a.txt same.txt
echo same [%errorlevel%]
fc a.txt b.txt >nul
echo different [%errorlevel%]
FC.EXE /C a.txt b.txt >nul
echo ignoring case [%errorlevel%]
fc a.txt missing.txt 2>nul
echo missing [%errorlevel%]
fc /b a.txt same.txt >nul
echo binary same [%errorlevel%]
fc -B a.txt b.txt
echo binary different [%errorlevel%]
exit /b 0
