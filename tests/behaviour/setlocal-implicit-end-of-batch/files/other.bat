@echo off
setlocal
set fromother=lost
set shared=changed in a scope
