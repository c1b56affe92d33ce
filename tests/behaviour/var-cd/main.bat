@echo off
md sub
cd sub
echo here> marker.txt
cd ..
if exist "%CD%\sub\marker.txt" echo found through CD
pushd sub
if exist "%CD%\marker.txt" echo CD follows pushd
popd
for %%a in ("%CD%") do for %%b in ("%~dp0.") do if "%%~fa"=="%%~fb" echo CD is the script folder
set CD=overridden
echo [%CD%]
set CD=
if exist "%CD%\main.bat" echo CD is dynamic again
