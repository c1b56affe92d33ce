@echo off
if 1==1 (
  echo in the block
  goto out
  echo never
)
echo never either
:out
echo after the block
