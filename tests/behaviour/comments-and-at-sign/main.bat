@echo off
rem a remark & echo not run
REM capitals
:: a label-style comment
rem > notmade.txt
@echo at sign
@rem quiet remark
  @echo indented at sign
echo end & rem a remark after a command
