@echo off
if exist a.txt echo a file
if exist missing.txt (echo wrong) else echo no such file
if exist sub echo a folder
if exist sub\ echo a folder with a backslash
if exist sub\c.txt echo a file in a folder
if exist *.txt echo a wildcard
if exist *.none (echo wrong) else echo a wildcard with no match
if exist sub\*.txt echo a wildcard in a folder
if exist "a.txt" echo a quoted name
if exist a.tx? echo a question mark
if exist nosuch\ (echo wrong) else echo no such folder
