# _dx VAR TEXT: sets VAR to TEXT as delayed expansion leaves what an
# expansion put into a command: when it holds a "!", a caret escapes the
# character after it, !name! becomes the variable's value, and a "!" without
# a partner is dropped.
# needs: _dvar
# shellcheck disable=SC2154 # _dx_v is set by _dvar, through eval
_dx() {
  case $2 in
  *!*) ;;
  *)
    eval "$1=\$2"
    return
    ;;
  esac
  _dx_t=$2
  _dx_o=
  while [ -n "$_dx_t" ]; do
    _dx_c=${_dx_t%"${_dx_t#?}"}
    _dx_t=${_dx_t#?}
    case $_dx_c in
    ^)
      _dx_o=$_dx_o${_dx_t%"${_dx_t#?}"}
      _dx_t=${_dx_t#?}
      ;;
    !)
      case $_dx_t in
      *!*)
        _dvar _dx_v "${_dx_t%%!*}"
        _dx_o=$_dx_o$_dx_v
        _dx_t=${_dx_t#*!}
        ;;
      esac
      ;;
    *) _dx_o=$_dx_o$_dx_c ;;
    esac
  done
  eval "$1=\$_dx_o"
}
