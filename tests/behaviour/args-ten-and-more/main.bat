@echo off
echo [%9] [%10]
shift
echo [%9]
shift
echo [%9]
