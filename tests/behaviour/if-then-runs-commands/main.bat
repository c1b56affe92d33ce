@echo off
if 1==1 set chosen=yes
echo [%chosen%]
if 1==2 set other=yes
echo [%other%]
if 1==1 echo first& echo second
if 1==2 echo not run& echo not run either
echo done
