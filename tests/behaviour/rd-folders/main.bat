@echo off
md empty
md full\inner
echo x> full\inner\file.txt
md keep
echo y> keep\file.txt
rd empty
rd /s /q full
rmdir keep 2>nul
if exist keep echo a folder with files stays
md tree\a\b
rmdir /s /q tree
if not exist tree echo the tree is gone
