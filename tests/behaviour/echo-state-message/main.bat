@echo off
echo
echo off
echo
