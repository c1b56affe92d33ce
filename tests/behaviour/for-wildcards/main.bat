@echo off
for %%f in (*.txt) do echo txt [%%f]
for %%f in (*.txt *.log) do echo both [%%f]
for %%f in (sub\*.txt) do echo in sub [%%f]
for %%f in (*.none) do echo never
for %%f in (a.txt missing.txt) do echo plain names [%%f]
for %%f in (?.txt) do echo question mark [%%f]
