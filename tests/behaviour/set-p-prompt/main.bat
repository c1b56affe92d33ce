@echo off
set /p reply=Your answer: 
echo [%reply%]
set /p "quoted=Quoted prompt> "
echo [%quoted%]
