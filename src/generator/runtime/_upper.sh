# _upper VAR TEXT: sets VAR to TEXT with its ASCII letters in upper case,
# without starting a program: cmd shows names and keys in upper case.
_upper() {
  _upt=$2
  _upr=
  while [ -n "$_upt" ]; do
    case $_upt in
    [abcdefghijklmnopqrstuvwxyz]*)
      _upn=${_upt#?}
      _upc=${_upt%"$_upn"}
      _upu=${_uppairs#*"$_upc"}
      _upr=$_upr${_upu%"${_upu#?}"}
      _upt=$_upn
      ;;
    *)
      # Copy everything up to the next lower-case letter at once.
      _upn=${_upt%%[abcdefghijklmnopqrstuvwxyz]*}
      _upr=$_upr$_upn
      _upt=${_upt#"$_upn"}
      ;;
    esac
  done
  eval "$1=\$_upr"
}
_uppairs=aAbBcCdDeEfFgGhHiIjJkKlLmMnNoOpPqQrRsStTuUvVwWxXyYzZ
