# _pushd [PATH]: pushd: remembers the current folder and changes to PATH.
# needs: _cd
_pushd() {
  [ $# -eq 0 ] && return 0
  _t=$PWD
  _cd "$1" || return 1
  _pd=$((${_pd:-0} + 1))
  eval "_pd$_pd=\$_t"
}
