@echo off
echo helped
