@echo off
if %1==abc echo plain words match
if "%1"=="abc" echo quoted words match
if "%1"==abc (echo quotes count) else echo quotes are part of the text
if %1==ABC (echo case matters not) else echo case matters
if "%~1" == "abc" echo spaces around the operator
if "a b"=="a b" echo quoted spaces
if "%nosuch%"=="" echo empty variable
if x%nosuch%==x echo the old empty test
