@echo off
echo before
title A window title
rem a remark
ver >nul
echo errorlevel %errorlevel%
echo after
