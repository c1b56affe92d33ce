@echo off
type list.txt | find /c /v ""
find /c /v "" list.txt
find /c "an" list.txt
find /v /c "x" < list.txt
echo errorlevel %errorlevel%
find /c "kiwi" list.txt >nul
echo errorlevel %errorlevel%
