@echo off
set outer=2
set inner=3
for /l %%i in (1,1,%outer%) do (
  for /l %%j in (1,1,%inner%) do echo %%i.%%j
)
for /l %%i in (1,1,%outer%) do for /l %%j in (%outer%,-1,1) do echo %%i-%%j