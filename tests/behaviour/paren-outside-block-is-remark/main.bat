@echo off
echo before
) echo hidden & echo hidden too
)
if 1==1 (
  echo in the block
)
)
echo after, errorlevel %errorlevel%
