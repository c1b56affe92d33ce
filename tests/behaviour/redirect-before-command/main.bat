@echo off
>front.txt echo written from the front
> spaced.txt echo a space after the operator
>>front.txt echo appended from the front
echo in the middle> middle.txt   
2>nul type missing.txt
echo done
