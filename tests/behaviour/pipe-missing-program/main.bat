@echo off
echo x | missingprogram_xyz 2>nul
echo %errorlevel%
missingprogram_xyz 2>nul
echo %errorlevel%
