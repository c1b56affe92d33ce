@echo off
(
echo one
echo two
)
(echo three
echo four)
(
  (
    echo nested
  )
)
if 1==1 (
  echo a
) & echo after the block on the same line
