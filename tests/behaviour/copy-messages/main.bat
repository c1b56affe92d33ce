@echo off
copy a.txt b.txt
copy /y a.txt b.txt
move b.txt c.txt
