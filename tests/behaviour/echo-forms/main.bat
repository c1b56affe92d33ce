@echo off
echo plain text
echo.
echo.dot
echo:colon
echo/slash
echo  two  spaces
echo	after a tab
echo trailing spaces   
ECHO capitals
Echo mixed
