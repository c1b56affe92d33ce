@echo off
sort in.txt
echo sorted [%errorlevel%]
sort /r in.txt
echo reversed [%errorlevel%]
SORT.EXE -R /+2 in.txt
echo from the second character, reversed [%errorlevel%]
type in.txt | sort
sort /o out.txt < in.txt
echo to a file [%errorlevel%]
exit /b 0
