@echo off
set my-var=dash
set a.b=dot
set my var=space
set 9lives=digit
set x{1}=braces
set _under=score
echo [%my-var%] [%a.b%] [%my var%] [%x{1}%] [%_under%]
if defined 9lives echo a name may start with a digit
set my-var=
echo [%my-var%] [%my var%]
