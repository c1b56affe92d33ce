@echo off
rem A folder on drive C: is C:'s folder's business: allowed, and missing here.
rd /s /q c:\srv
echo next
