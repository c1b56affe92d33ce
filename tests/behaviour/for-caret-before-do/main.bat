@echo off
for %%a in (a b) ^
do echo %%a
for /l %%i in (1,1,2) ^
do (
  echo n %%i
)
