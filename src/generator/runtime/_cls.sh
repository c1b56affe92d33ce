# _cls: cls clears a terminal; output that goes anywhere else gets a form
# feed, as cmd writes one. The errorlevel stays as it was.
_cls() {
  if [ -t 1 ]; then
    printf '\033[H\033[2J\033[3J'
  else
    printf '\f'
  fi
}
