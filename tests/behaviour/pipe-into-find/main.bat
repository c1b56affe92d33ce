@echo off
type list.txt | find "an"
echo hello world | find "world"
echo status %errorlevel%
echo hello | find "absent"
echo status %errorlevel%
