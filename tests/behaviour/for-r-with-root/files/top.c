t
