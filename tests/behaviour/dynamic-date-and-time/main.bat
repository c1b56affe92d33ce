@echo off
if not "%DATE%"=="" echo DATE has a value
if not "%TIME%"=="" echo TIME has a value
