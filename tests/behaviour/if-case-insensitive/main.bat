@echo off
if /i Hello==hELLO echo equal ignoring case
if /I "Mixed Case"=="mixed case" echo also with capitals
if /i not abc==ABD echo not equal ignoring case
if /i abc LSS ABD echo less ignoring case
