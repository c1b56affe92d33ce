set /a "+<"
