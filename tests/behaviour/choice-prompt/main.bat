@echo off
choice /c ync /m "Yes, No or Continue"
echo errorlevel %errorlevel%
choice /c yn /n /m "Sure?"
echo errorlevel %errorlevel%
