z
