@echo off
pushd a
dir /b
pushd b
dir /b
popd
dir /b
popd
dir /b a
popd
echo popd with nothing to pop, errorlevel %errorlevel%
pushd missing 2>nul
echo pushd missing, errorlevel %errorlevel%
dir /b /a:d
