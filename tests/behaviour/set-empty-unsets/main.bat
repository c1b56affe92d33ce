@echo off
set gone=here
echo [%gone%]
set gone=
echo [%gone%]
if defined gone (echo still defined) else echo no longer defined
set "gone=back"
set "gone="
if not defined gone echo unset again with quotes
set never= 
if defined never echo a space is a value
echo [%never%]
