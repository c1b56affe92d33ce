@echo off
echo start
goto skip
echo skipped
:skip
echo after the label
