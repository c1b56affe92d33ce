@echo off
shift /2
echo [%1] [%2] [%3] [%4]
