# _divzero: "set /a" divided by zero: cmd's message and errorlevel.
_divzero() {
  printf 'Divide by zero error.\n' >&2
  _el=1073750993
  return 1
}
