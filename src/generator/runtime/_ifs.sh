# _ifs: the shell's usual field separators, for after a loop over lines.
_ifs=' 	
'
