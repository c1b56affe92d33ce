# _substr VAR TEXT START [LENGTH]: sets VAR to part of TEXT as %x:~start,length%
# gives it. A negative start counts from the end; a negative length leaves
# that many characters off the end.
_substr() {
  _t=$2
  _n=${#_t}
  _s=$3
  [ "$_s" -lt 0 ] && _s=$((_n + _s))
  [ "$_s" -lt 0 ] && _s=0
  [ "$_s" -gt "$_n" ] && _s=$_n
  _e=$_n
  if [ $# -ge 4 ]; then
    if [ "$4" -lt 0 ]; then
      _e=$((_n + $4))
    else
      _e=$((_s + $4))
    fi
  fi
  [ "$_e" -gt "$_n" ] && _e=$_n
  [ "$_e" -lt "$_s" ] && _e=$_s
  # Patterns of ? strip whole characters from either end.
  _p=
  _i=0
  while [ "$_i" -lt "$_s" ]; do
    _p=$_p?
    _i=$((_i + 1))
  done
  _t=${_t#$_p}
  _p=
  _i=$_e
  while [ "$_i" -lt "$_n" ]; do
    _p=$_p?
    _i=$((_i + 1))
  done
  _t=${_t%$_p}
  eval "$1=\$_t"
}
