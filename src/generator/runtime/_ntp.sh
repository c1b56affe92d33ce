# _ntp LINE COMMAND: a Windows program with no counterpart here (reg, wmic,
# convert...). Nothing runs, not even a program of that name here: the script
# says so, and the errorlevel is 9009, as cmd's for a program it cannot find.
# Fails with status 127, which a pipeline that it ends turns into 9009 too.
# shellcheck disable=SC2154 # _me is set by the script
_ntp() {
  printf '%s: line %s: not translated: a Windows program: %s\n' "$_me" "$1" "$2" >&2
  _el=9009
  return 127
}
