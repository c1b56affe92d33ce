@ECHO OFF
SET Value=1
Set /A Value=Value+1
ECHO [%value%]
IF %VALUE%==2 ECHO IF in capitals
If Not Exist nothing.txt Echo Not Exist
FOR %%I IN (a b) DO ECHO [%%I]
CALL :Sub
GOTO End
:Sub
ECHO in sub
GOTO :EOF
:END
ECHO the end
