# _unq VAR TEXT: sets VAR to TEXT without the quotes around it, as %~1 gives
# an argument: a leading quote goes, and then a trailing one.
_unq() {
  _t=$2
  case $_t in
  \"*)
    _t=${_t#\"}
    _t=${_t%\"}
    ;;
  esac
  eval "$1=\$_t"
}
