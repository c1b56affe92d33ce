@echo off
if not a==b echo a is not b
if not a==a (echo wrong) else echo a is a
if not exist missing.txt echo missing is missing
if not exist present.txt (echo wrong) else echo present is present
if not defined nosuch echo nosuch is not defined
if NOT "x"=="y" echo capitals
