@echo off
call check.bat good
if errorlevel 1 (echo good failed) else echo good passed
call check.bat bad
if errorlevel 1 echo bad failed with %errorlevel%
