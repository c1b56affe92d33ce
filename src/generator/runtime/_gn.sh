# _gn VAR TEXT: sets VAR to the sh variable that a set /a assigns to when
# TEXT, checked by _gt, names it. Returns 1 when TEXT is a number, which cmd
# cannot assign to.
# needs: _vn
# shellcheck disable=SC2154 # _r is set by _vn
_gn() {
  case $2 in
  [0-9]*) return 1 ;;
  esac
  _vn "$2"
  eval "$1=\$_r"
}
