# _cmp OP LEFT RIGHT [i]: "if LEFT OP RIGHT" for equ, neq, lss, leq, gtr and
# geq. Two numbers compare as numbers, anything else as text (ignoring case
# with i).
# needs: _ni _lower
_cmp() {
  if _isnum "$2" && _isnum "$3"; then
    _ni _cmp_a "$2"
    _ni _cmp_b "$3"
    _cmp_c=$((_cmp_a < _cmp_b ? -1 : _cmp_a > _cmp_b))
  else
    _cmp_a=$2
    _cmp_b=$3
    if [ "$4" = i ]; then
      _lower _cmp_a "$2"
      _lower _cmp_b "$3"
    fi
    if [ "$_cmp_a" = "$_cmp_b" ]; then
      _cmp_c=0
    elif [ "$(printf '%s\n%s\n' "$_cmp_a" "$_cmp_b" | LC_ALL=C command -p sort | command -p head -n 1)" = "$_cmp_a" ]; then
      _cmp_c=-1
    else
      _cmp_c=1
    fi
  fi
  case $1 in
  equ) [ "$_cmp_c" -eq 0 ] ;;
  neq) [ "$_cmp_c" -ne 0 ] ;;
  lss) [ "$_cmp_c" -lt 0 ] ;;
  leq) [ "$_cmp_c" -le 0 ] ;;
  gtr) [ "$_cmp_c" -gt 0 ] ;;
  geq) [ "$_cmp_c" -ge 0 ] ;;
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
