@echo off
call :nowhere 2>nul
echo the batch goes on, errorlevel %errorlevel%
