@echo off
if cmdextversion 1 echo at least version 1
if cmdextversion 2 echo at least version 2
if cmdextversion 3 (echo wrong) else echo not version 3
echo [%CMDEXTVERSION%]
