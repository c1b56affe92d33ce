@echo off
if 1==1 echo (text in parentheses)
if 1==1 echo a (b) c
if 1==2 echo (never) else echo is text too
