@echo off
echo one ^
two
set joined=a^
b
echo [%joined%]
echo a ^
long ^
command
if 1==1 ^
echo continued if
