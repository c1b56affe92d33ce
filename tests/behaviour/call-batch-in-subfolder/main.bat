@echo off
call tools\helper.bat value
call tools\helper value
