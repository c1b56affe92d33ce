@echo off
echo=
echo,
echo;
echo=x
echo end