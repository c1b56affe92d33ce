@echo off
echo one & echo two
echo three&echo four
set a=1& set b=2
echo [%a%] [%b%]
(echo five) & (echo six)
