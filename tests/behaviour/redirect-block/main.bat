@echo off
(
  echo a
  echo b
) > block.txt
if 1==1 (echo from an if) > if.txt
(echo appended) >> block.txt
