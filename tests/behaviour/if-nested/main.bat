@echo off
set x=2
if %x% GEQ 1 (
  if %x% GEQ 2 (
    if %x% GEQ 3 (echo three or more) else echo exactly two
  ) else (
    echo exactly one
  )
) else (
  echo none
)
if 1==1 if 2==2 if 3==3 echo chained ifs
if 1==1 if 2==3 (echo wrong) else echo else of the inner if
