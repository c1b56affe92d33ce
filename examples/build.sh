#!/bin/sh

# DOS: @echo off
# no POSIX equivalent to echo off

# DOS: :: Build the report and keep a copy of every result
# comment: Build the report and keep a copy of every result

# DOS: setlocal
# local environment not implemented yet

# DOS: if "%1"=="" goto usage
# POSIX if not implemented yet
# no POSIX equivalent to goto

# DOS: md out
mkdir out

# DOS: for %%f in (src\*.txt) do copy %%f out\%%f.bak
for f in src\*.txt; do
cp $f out/$f.bak
done

# DOS: type src\header.txt
cat src\header.txt

# DOS: find /i "error" build.log
# find not implemented yet
grep /i "error" build.log

# DOS: if errorlevel 1 echo No errors found.
# POSIX if not implemented yet
echo No errors found.

# DOS: attrib +r out\*.bak
chmod a-w

# DOS: del /q tmp\*.*
# switch translation not implemented yet
rm -q tmp/*.*

# DOS: deltree /y tmp
rm -rf tmp

# DOS: exit /b
# exiting a script via exit not fully understood by Telm
exit

# DOS: :usage
# no POSIX equivalent to labels

# DOS: echo Usage: build target
echo Usage: build target

