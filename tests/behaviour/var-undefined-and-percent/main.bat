@echo off
echo [%nosuchvariable%]
echo [%nosuch variable either%]
echo 100%% done
echo [50%%]
echo [a%%b%%c]
echo [%%nosuch%%]
