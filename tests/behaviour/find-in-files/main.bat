@echo off
find "apple" fruit.txt
echo errorlevel %errorlevel%
find "kiwi" fruit.txt
echo errorlevel %errorlevel%
