@echo off
set one=1
set "empty="
if defined one echo one is defined
if defined ONE echo ONE is defined
if defined empty (echo wrong) else echo empty is not defined
if defined nosuch (echo wrong) else echo nosuch is not defined
if not defined nosuch echo not defined nosuch
