# _nolabel goto|call NAME: a jump to a label that the batch file does not have.
# cmd says so; a goto ends the batch file, a call fails with errorlevel 1.
# needs: _exit
_nolabel() {
  unset _cl
  printf 'The system cannot find the batch label specified - %s\n' "$2" >&2
  _el=1
  [ "$1" = call ] && return 1
  _exit
}
