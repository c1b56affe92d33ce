@echo off
set s=Hello World
echo [%s:o=0%] [%s:WORLD=There%] [%s:l=%] [%s: =_%]
echo [%s:*o=X%] [%s:*W=w%] [%s:*lo=%]
echo [%s:xyz=abc%] [%s:o=%%%]
set path2=c:\dir\sub
echo [%path2:\=/%]
set dots=a.b.c
echo [%dots:.= %]
