@echo off
set x=old
call :sub & echo after the call [%x%]
set y=1& call :sub & echo [%y%] [%x%]
exit /b
:sub
set z=zz& echo in sub [%x%] [%z%]
set x=new& echo set in sub [%x%]
exit /b
