@echo off
setlocal EnableDelayedExpansion
set x=before
if 1==1 (
  set x=inside
  echo percent [%x%] bang [!x!]
)
