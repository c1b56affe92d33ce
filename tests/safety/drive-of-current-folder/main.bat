@echo off
rem In a folder of drive D:, "\" is D:'s folder.
pushd d\sub
del /q \x.txt
popd
if exist c\x.txt echo c kept
if not exist d\x.txt echo d gone
