# _fsplit SET EOL TOKENS LINE VAR...: cuts LINE into tokens as for /f does.
# SET holds the delimiters as the inside of a bracket expression (empty for
# none); runs of them separate tokens and leading ones are passed over. EOL is
# the character that marks a line to pass over. TOKENS lists the token numbers
# wanted, in ascending order, with "*" for the rest of the line. Each VAR gets
# its token in turn. It fails for a line to pass over: one that starts with
# EOL, or that lacks the first token wanted.
_fsplit() {
  _fp_s=$1
  _fp_e=$2
  _fp_k=$3
  _fp_l=$4
  shift 4
  [ -n "$_fp_s" ] && _fp_l=${_fp_l#"${_fp_l%%[!$_fp_s]*}"}
  [ -n "$_fp_l" ] || return 1
  case $_fp_l in
  "$_fp_e"*) [ -n "$_fp_e" ] && return 1 ;;
  esac
  _fp_i=1
  _fp_first=1
  for _fp_t in $_fp_k; do
    if [ "$_fp_t" = '*' ]; then
      eval "$1=\$_fp_l"
      return 0
    fi
    while [ "$_fp_i" -lt "$_fp_t" ]; do
      if [ -n "$_fp_s" ]; then
        _fp_l=${_fp_l#"${_fp_l%%[$_fp_s]*}"}
        _fp_l=${_fp_l#"${_fp_l%%[!$_fp_s]*}"}
      else
        _fp_l=
      fi
      _fp_i=$((_fp_i + 1))
    done
    if [ -n "$_fp_s" ]; then
      _fp_v=${_fp_l%%[$_fp_s]*}
    else
      _fp_v=$_fp_l
    fi
    [ -z "$_fp_v" ] && [ "$_fp_first" = 1 ] && return 1
    eval "$1=\$_fp_v"
    shift
    _fp_l=${_fp_l#"$_fp_v"}
    [ -n "$_fp_s" ] && _fp_l=${_fp_l#"${_fp_l%%[!$_fp_s]*}"}
    _fp_i=$((_fp_i + 1))
    _fp_first=0
  done
  return 0
}
