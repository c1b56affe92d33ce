@echo off
echo before
cls
echo after
