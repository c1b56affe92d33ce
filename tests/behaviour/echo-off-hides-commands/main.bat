@echo off
echo shown once
echo off
echo still once
@echo quietly
