@echo off
rem Windows finds a batch file in any case, with a folder or in the current one.
call Sub\Helper.bat one
call helper2 two
call Helper2.Bat three
SUB\HELPER four
echo not reached
