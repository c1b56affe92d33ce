@echo off
rem A goto out of a for loop to the label before it leaves the loop at once,
rem and the rounds begin again from the label.
set n=0
:top
set /a n+=1
for %%a in (1 2 3) do (
  if %n% LSS 3 goto top
  echo in loop %%a n=%n%
)
set m=0
:again
set /a m+=1
echo round %m%
if %m% GEQ 3 goto out
type nul >nul && goto again
:out
echo done %n% %m%
