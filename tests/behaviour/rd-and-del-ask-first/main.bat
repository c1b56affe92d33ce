@echo off
rd /s tree < no.txt > nul
if exist tree echo rd /s kept the tree after no
rd /s tree < yes.txt > nul
if not exist tree echo rd /s removed the tree after yes
del box < no.txt > nul
if exist box\b.txt echo del kept the files after no
del box < yes.txt > nul
if not exist box\b.txt echo del removed the files after yes
if exist box echo the folder itself stays
