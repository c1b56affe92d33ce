@echo off
echo in two
