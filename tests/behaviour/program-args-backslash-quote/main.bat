@echo off
rem bin\show.exe prints its arguments. It may run apart from cmd, so done.txt
rem says when it has finished.
bin\show.exe a\\"b c" "d\\" e\"f "g\\\"h" i\\\\j k\l "m n\\\\" o\\\\\"p \"q>out.txt
call :wait
rem A backslash that ends a value escapes the quote after it.
set d=x\y\
bin\show.exe "%d%" next>out.txt
call :wait
exit /b 0

:wait
if not exist done.txt goto wait
type out.txt
del out.txt done.txt
exit /b 0
