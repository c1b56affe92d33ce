@echo off
more in.txt
echo whole [%errorlevel%]
more +2 in.txt
echo from the third line [%errorlevel%]
type in.txt | more +3
more /s < in.txt
echo squeezed [%errorlevel%]
exit /b 0
