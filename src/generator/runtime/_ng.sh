# _ng VAR TEXT: sets VAR to the number that TEXT, checked by _gt, stands for
# in a set /a expression: the number itself, or the number a variable of that
# name holds.
# needs: _ni _dvar
# shellcheck disable=SC2154 # _ng_v is set by _dvar, through eval
_ng() {
  case $2 in
  [0-9]*) _ni "$1" "$2" ;;
  *)
    _dvar _ng_v "$2"
    _ni "$1" "$_ng_v"
    ;;
  esac
}
