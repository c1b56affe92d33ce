@echo off
set x=old
set x=new& echo same line [%x%]
echo next line [%x%]
