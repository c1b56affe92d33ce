@echo off
if 10 GTR 9 echo 10 GTR 9 as numbers
if "10" GTR "9" (echo wrong) else echo quoted they compare as text
if 10 LSS 9 (echo wrong) else echo 10 is not LSS 9
if 3 EQU 3 echo EQU
if 3 NEQ 4 echo NEQ
if 3 LEQ 3 echo LEQ
if 4 GEQ 5 (echo wrong) else echo 4 is not GEQ 5
if -5 LSS 3 echo negative numbers
if 007 EQU 7 echo leading zeros
if 010 EQU 8 echo a leading zero means octal
if 0x10 EQU 16 echo hexadecimal
if 10 lss 9x echo as text when one side is no number, 10 sorts before 9x
if abc LSS abd echo text compares too
if /i b GTR A echo text ignores case with /i
if 2 equ 2 echo operators in any case
