@echo off
set Greeting=hello
echo [%GREETING%] [%greeting%] [%GreeTing%]
set GREETING=bye
echo [%Greeting%]
if defined GREETING echo defined in capitals
if defined greeting echo defined in small letters
set path=%PATH%
if defined Path echo path is still defined
