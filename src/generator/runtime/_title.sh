# _title TEXT: title sets the title of a terminal that shows the output, and
# does nothing elsewhere. The errorlevel stays as it was.
_title() {
  [ -t 1 ] && printf '\033]0;%s\007' "$1"
  return 0
}
