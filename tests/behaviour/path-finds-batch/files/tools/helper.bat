@echo off
echo found through PATH
