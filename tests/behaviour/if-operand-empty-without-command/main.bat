@echo off
echo before
if not exist %unset% md %unset%
echo not reached