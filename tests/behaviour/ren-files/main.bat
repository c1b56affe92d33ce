@echo off
ren a.txt first.txt
rename c.log c.txt
ren sub\d.txt e.txt
ren b.txt first.txt 2>nul
echo onto an existing name, errorlevel %errorlevel%
ren missing.txt x.txt 2>nul
echo missing, errorlevel %errorlevel%
