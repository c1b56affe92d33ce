# _nl: a line feed, for text that holds one.
_nl='
'
