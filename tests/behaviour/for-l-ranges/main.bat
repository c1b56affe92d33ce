@echo off
for /l %%i in (1,1,3) do echo up %%i
for /l %%i in (0,2,7) do echo by two %%i
for /l %%i in (5,-2,0) do echo down %%i
for /l %%i in (3,1,1) do echo never %%i
for /l %%i in (1,-1,3) do echo never either %%i
for /l %%i in (4,1,4) do echo once %%i
for /l %%i in (1 1 2) do echo spaces %%i
for /l %%i in (-2,1,0) do echo negative %%i
