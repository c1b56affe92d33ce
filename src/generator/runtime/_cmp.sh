# _cmp OP LEFT RIGHT [i]: "if LEFT OP RIGHT" for equ, neq, lss, leq, gtr and
# geq. Two numbers compare as numbers, anything else as text, byte by byte
# (ignoring case with i). No program is started.
# needs: _ni _lower _isnum
_cmp() {
  # Two numbers as set /a writes them, compared at once.
  case $2 in
  '' | *[!0-9-]* | ?*-* | - | -0* | 0?* | ??????????*) ;;
  *)
    case $3 in
    '' | *[!0-9-]* | ?*-* | - | -0* | 0?* | ??????????*) ;;
    *)
      case $1 in
      equ) [ "$2" -eq "$3" ] ;;
      neq) [ "$2" -ne "$3" ] ;;
      lss) [ "$2" -lt "$3" ] ;;
      leq) [ "$2" -le "$3" ] ;;
      gtr) [ "$2" -gt "$3" ] ;;
      geq) [ "$2" -ge "$3" ] ;;
      esac
      return
      ;;
    esac
    ;;
  esac
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
    else
      # Past the common start, the first character that differs decides;
      # text that ends there comes first.
      while :; do
        _cmp_p=${_cmp_a%"${_cmp_a#?}"}
        _cmp_q=${_cmp_b%"${_cmp_b#?}"}
        [ "$_cmp_p" = "$_cmp_q" ] || break
        _cmp_a=${_cmp_a#?}
        _cmp_b=${_cmp_b#?}
      done
      # Printable ASCII is ordered by its place in a table; text past
      # that is left to sort, which orders bytes.
      _cmp_x=${_cmp_table%%"$_cmp_p"*}
      _cmp_y=${_cmp_table%%"$_cmp_q"*}
      if [ -z "$_cmp_p" ]; then
        _cmp_c=-1
      elif [ -z "$_cmp_q" ]; then
        _cmp_c=1
      elif [ "${#_cmp_x}" -lt 95 ] && [ "${#_cmp_y}" -lt 95 ]; then
        _cmp_c=$((${#_cmp_x} < ${#_cmp_y} ? -1 : 1))
      elif [ "$(printf '%s\n%s\n' "$_cmp_a" "$_cmp_b" | LC_ALL=C command -p sort | command -p head -n 1)" = "$_cmp_a" ]; then
        _cmp_c=-1
      else
        _cmp_c=1
      fi
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
_cmp_table=' !"#$%&'\''()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\]^_`abcdefghijklmnopqrstuvwxyz{|}~'
