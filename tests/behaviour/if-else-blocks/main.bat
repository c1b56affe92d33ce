@echo off
if 1==1 (echo one line then) else (echo one line else)
if 1==2 (echo one line then) else (echo one line else)
if 1==2 (
  echo then
) else (
  echo block else
  echo second line
)
if a==a (
  echo then block
) else echo plain else
if a==b echo never else echo also never
if a==a echo then else echo is text
