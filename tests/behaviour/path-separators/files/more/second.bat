@echo off
echo second found
