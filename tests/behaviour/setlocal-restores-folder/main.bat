@echo off
md sub
setlocal
cd sub
echo inside> marker.txt
endlocal
if exist marker.txt (echo wrong) else echo back in the first folder
if exist sub\marker.txt echo the file is in sub
