@echo off
echo;hi
echo;a;b
echo x&echo;y
if;1==1 echo if after a semicolon
(echo;in a block)
if 1==1 (echo;then) else echo;else
if 1==2 (echo;then) else echo;else
exit /b 0
