@echo off
if exist *.LOG echo a log in any case
if exist SUB\*.TXT echo a text file in a folder in any case
if exist sub\a.* echo a name with any extension
if not exist sub\*.log echo no log in the folder
if not exist missing\*.txt echo nothing in a missing folder
if exist sub\nul echo the folder through nul
if not exist b.log\nul echo a file is no folder
