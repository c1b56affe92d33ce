@echo off
for /f "tokens=1,3" %%a in (data.txt) do echo 1,3 [%%a] [%%b]
for /f "tokens=2-4" %%a in (data.txt) do echo 2-4 [%%a] [%%b] [%%c]
for /f "tokens=2*" %%a in (data.txt) do echo 2* [%%a] [%%b]
for /f "tokens=1,*" %%a in (data.txt) do echo 1,* [%%a] [%%b]
for /f "tokens=*" %%a in (data.txt) do echo * [%%a]
for /f "tokens=3,1" %%a in (data.txt) do echo 3,1 [%%a] [%%b]
for /f "tokens=1-2,4" %%x in (data.txt) do echo x [%%x] [%%y] [%%z]
