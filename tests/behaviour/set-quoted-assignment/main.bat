@echo off
set "plain=a b"
echo [%plain%]
set "after=kept" this text is dropped
echo [%after%]
set quoted="a b"
echo [%quoted%]
set "inner=say "hi" now"
echo [%inner%]
set trailing=two spaces  
echo [%trailing%]
set "notrail=no spaces"  
echo [%notrail%]
set equals=a=b=c
echo [%equals%]
set "spaced = x"
echo [%spaced %]
