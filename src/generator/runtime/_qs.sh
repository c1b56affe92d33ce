# _qs COUNT: sets _qs_p to a pattern of COUNT question marks, which matches
# that many characters. Built by doubling, and kept for the next time.
_qs() {
  eval "_qs_p=\${_qs_$1-}"
  [ -n "$_qs_p" ] && return
  _qs_q='?'
  _qs_k=$1
  while [ "$_qs_k" -gt 0 ]; do
    case $_qs_k in
    *[13579]) _qs_p=$_qs_p$_qs_q ;;
    esac
    _qs_q=$_qs_q$_qs_q
    _qs_k=$((_qs_k / 2))
  done
  eval "_qs_$1=\$_qs_p"
}
