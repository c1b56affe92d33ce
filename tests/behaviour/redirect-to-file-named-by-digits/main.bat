@echo off
echo a>0
echo b>>12
echo c >> 12
type 0
type 12
