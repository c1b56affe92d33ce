# _isnum TEXT: TEXT is a whole number as cmd writes one.
_isnum() {
  case $1 in
  '' | - | + | *[!0-9xXa-fA-F+-]* | ?*[+-]*) return 1 ;;
  [+-]0[xX]?* | 0[xX]?*) case ${1#[+-]} in 0[xX]*[!0-9a-fA-F]*) return 1 ;; esac ;;
  *[!0-9+-]*) return 1 ;;
  esac
  return 0
}
