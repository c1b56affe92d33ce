@echo off
echo [%1] [%2] [%3] [%4] [%9]
echo [%*]
echo [%~1] [%~3]
