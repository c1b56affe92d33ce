@echo off
call show.bat a b
echo main still has [%1]
