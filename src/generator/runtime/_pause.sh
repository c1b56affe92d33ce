# _pause: pause shows "Press any key to continue . . . " and, when its input
# is a terminal, waits for a line (the Enter that ends it ends the prompt's
# line too). Other input is not read, so that pause never waits on it; a line
# end follows the prompt instead. The errorlevel stays as it was.
_pause() {
  printf 'Press any key to continue . . . '
  if [ -t 0 ]; then
    IFS= read -r _pal || printf '\n'
  else
    printf '\n'
  fi
  return 0
}
