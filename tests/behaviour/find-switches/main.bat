@echo off
find /i "apple" fruit.txt
find /c "a" fruit.txt
find /v "apple" fruit.txt
find /n "apple" fruit.txt
type fruit.txt | find /c /i "apple"
type fruit.txt | find /v /n "an"
find /i "kiwi" fruit.txt >nul
echo errorlevel %errorlevel%
