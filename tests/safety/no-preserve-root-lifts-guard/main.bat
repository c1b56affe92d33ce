@echo off
rem Without the guard, the folder of drive C: (in the run folder) may go.
rd /s /q c:\
if not exist c\ echo drive folder removed
