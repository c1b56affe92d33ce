@echo off
if exist A.TXT echo a file name in capitals
if exist Sub\B.Txt echo a path in mixed case
if exist SUB\ echo a folder in capitals
type A.txt
