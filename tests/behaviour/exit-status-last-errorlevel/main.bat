@echo off
echo running
type missing.txt 2>nul
