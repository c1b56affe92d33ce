@echo off
echo text> tight.txt
echo text > spaced.txt
echo text>>tight.txt
echo more >> spaced.txt
echo a 1>handle.txt
