# _cls: cls clears a terminal, and writes nothing anywhere else.
_cls() {
  [ -t 1 ] && printf '\033[H\033[2J'
  return 0
}
