# _title TEXT: title sets a terminal's title, and does nothing elsewhere.
_title() {
  [ -t 1 ] && printf '\033]0;%s\007' "$1"
  return 0
}
