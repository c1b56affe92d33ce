# _cmp OP LEFT RIGHT [i]: "if LEFT OP RIGHT" for equ, neq, lss, leq, gtr and
# geq. Two numbers compare as numbers, anything else as text (ignoring case
# with i).
# needs: _ni _lower
_cmp() {
  if _isnum "$2" && _isnum "$3"; then
    _ni _a "$2"
    _ni _b "$3"
    _c=$((_a < _b ? -1 : _a > _b))
  else
    _a=$2
    _b=$3
    if [ "$4" = i ]; then
      _lower _a "$2"
      _lower _b "$3"
    fi
    if [ "$_a" = "$_b" ]; then
      _c=0
    elif [ "$(printf '%s\n%s\n' "$_a" "$_b" | LC_ALL=C sort | head -n 1)" = "$_a" ]; then
      _c=-1
    else
      _c=1
    fi
  fi
  case $1 in
  equ) [ "$_c" -eq 0 ] ;;
  neq) [ "$_c" -ne 0 ] ;;
  lss) [ "$_c" -lt 0 ] ;;
  leq) [ "$_c" -le 0 ] ;;
  gtr) [ "$_c" -gt 0 ] ;;
  geq) [ "$_c" -ge 0 ] ;;
  esac
}

# _isnum TEXT: TEXT is a whole number as cmd writes one.
_isnum() {
  case $1 in
  '' | - | + | *[!0-9xXa-fA-F+-]* | ?*[+-]*) return 1 ;;
  [+-]0[xX]?* | 0[xX]?*) case ${1#[+-]} in 0[xX]*[!0-9a-fA-F]*) return 1 ;; esac ;;
  *[!0-9+-]*) return 1 ;;
  esac
  return 0
}
