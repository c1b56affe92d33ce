@echo off
echo before
goto nowhere
echo never
