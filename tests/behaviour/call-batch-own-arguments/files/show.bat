@echo off
echo show [%1] [%2] [%*]
shift
echo shifted [%1]
