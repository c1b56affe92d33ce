#!/bin/sh

# DOS: @echo off
# no POSIX equivalent to echo off

# DOS: rem Start-up file for the lab machines
# comment: Start-up file for the lab machines

# DOS: path c:\dos;c:\windows;c:\tools\bin
# drive letters need to be reconciled to their proper mount points
export PATH=c_/dos:c_/windows:c_/tools/bin

# DOS: set TEMP=C:\TEMP
# drive letters need to be reconciled to their proper mount points
export TEMP=C_/TEMP

# DOS: set EDITOR=edit
export EDITOR=edit

# DOS: prompt $p$g
# prompt editing not implemented yet

# DOS: lh C:\DOS\MOUSE.COM /Y
# no POSIX equivalent to lh
# can't translate: C:\DOS\MOUSE.COM /Y

# DOS: lh doskey /insert
# no POSIX equivalent to lh
# doskey: command history is built into most *nix shells
# /insert not supported

# DOS: doskey ll=dir /w $*
# doskey: command history is built into most *nix shells
# dir switch translation not implemented yet
# switch translation not implemented yet
alias ll='ls  -w $*'

# DOS: mode con: cols=80 lines=50
# no POSIX equivalent to mode

# DOS: if exist C:\TOOLS\SETUP.BAT call C:\TOOLS\SETUP.BAT
# POSIX if not implemented yet
# call not implemented yet

# DOS: if not exist C:\TEMP\NUL md C:\TEMP
# POSIX if not implemented yet
# drive letters need to be reconciled to their proper mount points
mkdir C_/TEMP

# DOS: cd\projects
cd /projects

# DOS: echo Ready.
echo Ready.

