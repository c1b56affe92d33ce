@echo off
echo(
echo(text after a parenthesis
echo(
