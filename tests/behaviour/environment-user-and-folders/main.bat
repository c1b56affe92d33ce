@echo off
if exist "%USERPROFILE%\" echo the profile folder exists
if exist "%TEMP%\" echo TEMP exists
if exist "%TMP%\" echo TMP exists
if defined USERPROFILE echo USERPROFILE is defined
if defined TEMP echo TEMP is defined
if not "%USERNAME%"=="" echo USERNAME has a value
if not "%COMPUTERNAME%"=="" echo COMPUTERNAME has a value
if defined USERNAME echo USERNAME is defined
echo scratch> "%TEMP%\morvex-behaviour-scratch.txt"
if exist "%TEMP%\morvex-behaviour-scratch.txt" echo a file in TEMP
del "%TEMP%\morvex-behaviour-scratch.txt"
