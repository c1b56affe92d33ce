# _a0: %0, the name the script was started with; a call sets it to the label.
_a0=$0
