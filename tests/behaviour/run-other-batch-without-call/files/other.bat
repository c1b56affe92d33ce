@echo off
echo in other [%1]
