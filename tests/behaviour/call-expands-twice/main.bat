@echo off
set inner=value
set outer=inner
call echo [%%%outer%%%]
call echo [%%inner%%]
call set copy=%%inner%%
echo [%copy%]
