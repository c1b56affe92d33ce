@echo off
md out
echo a>a.txt
copy a.txt out\ >nul
copy /y a.txt out\a.txt >nul
xcopy /y /e out out2\ >nul
robocopy out out3 /mir >nul
robocopy out out3 /purge >nul
ren out\a.txt b.txt
move out\b.txt out\c.txt >nul
if exist out\c.txt echo moved
del out\c.txt
del /q out2\*
md sub
pushd sub
echo x>..\x.txt
del /q ..\x.txt
popd
if not exist x.txt echo x gone
rd /s /q out
rd /s /q out2
rd /s /q out3
rd sub
if not exist out\ if not exist out2\ if not exist out3\ if not exist sub\ echo folders gone
if exist a.txt echo a kept
