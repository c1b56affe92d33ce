@echo off
echo before
other.bat arg
echo never printed
