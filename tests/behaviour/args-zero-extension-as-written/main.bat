@echo off
call sub.BAT
exit /b 0