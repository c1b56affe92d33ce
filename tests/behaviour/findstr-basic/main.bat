@echo off
findstr error log.txt
echo errorlevel %errorlevel%
findstr /i error log.txt
findstr /v /i error log.txt
findstr /n info log.txt
findstr kiwi log.txt
echo errorlevel %errorlevel%
