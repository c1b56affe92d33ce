# _unq VAR TEXT: sets VAR to TEXT without the quotes around it, as %~1 gives
# an argument: a leading quote goes, and then a trailing one.
_unq() {
  _unq_t=$2
  case $_unq_t in
  \"*)
    _unq_t=${_unq_t#\"}
    _unq_t=${_unq_t%\"}
    ;;
  esac
  eval "$1=\$_unq_t"
}
