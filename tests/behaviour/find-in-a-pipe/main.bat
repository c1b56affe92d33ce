@echo off
type fruit.txt | find "an"
echo errorlevel %errorlevel%
find "apple" < fruit.txt
echo hello world | find "kiwi"
echo errorlevel %errorlevel%
