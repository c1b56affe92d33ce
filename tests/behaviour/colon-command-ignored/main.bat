@echo off
echo a&:: a remark & echo not run
@:: also a remark
<# : a hybrid header
echo b
(
  :: a remark in a block
  echo c
)
echo errorlevel %errorlevel%