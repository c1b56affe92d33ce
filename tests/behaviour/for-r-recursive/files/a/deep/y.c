y
