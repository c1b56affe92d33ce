# _substr VAR TEXT START [LENGTH]: sets VAR to part of TEXT as %x:~start,length%
# gives it. A negative start counts from the end; a negative length leaves
# that many characters off the end.
# needs: _qs
# shellcheck disable=SC2154 # _qs_p is set by _qs
_substr() {
  _ss_t=$2
  _ss_n=${#_ss_t}
  _ss_s=$3
  if [ "$_ss_s" -lt 0 ]; then
    _ss_s=$((_ss_n + _ss_s))
    [ "$_ss_s" -ge 0 ] || _ss_s=0
  elif [ "$_ss_s" -gt "$_ss_n" ]; then
    _ss_s=$_ss_n
  fi
  if [ $# -lt 4 ]; then
    _ss_e=$_ss_n
  elif [ "$4" -lt 0 ]; then
    _ss_e=$((_ss_n + $4))
    [ "$_ss_e" -ge "$_ss_s" ] || _ss_e=$_ss_s
  else
    _ss_e=$((_ss_s + $4))
    [ "$_ss_e" -le "$_ss_n" ] || _ss_e=$_ss_n
  fi
  # Patterns of ? strip whole characters from either end.
  if [ "$_ss_s" -gt 0 ]; then
    _qs "$_ss_s"
    _ss_t=${_ss_t#$_qs_p}
  fi
  if [ "$_ss_e" -lt "$_ss_n" ]; then
    _qs $((_ss_n - _ss_e))
    _ss_t=${_ss_t%$_qs_p}
  fi
  eval "$1=\$_ss_t"
}
