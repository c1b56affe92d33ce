@echo off
echo first found
