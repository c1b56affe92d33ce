# _pause: pause: its prompt, then one key from a terminal or one byte from
# anything else, which does not wait when there is nothing to read.
_pause() {
  printf 'Press any key to continue . . . '
  if [ -t 0 ]; then
    IFS= read -r _t
  else
    dd bs=1 count=1 >/dev/null 2>&1
  fi
  printf '\n'
}
