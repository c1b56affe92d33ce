@echo off
xcopy src dest /s /i
xcopy src quiet /s /i /q
