# _pushd [PATH]: pushd remembers the current folder (in _pd1, _pd2... with
# their count in _pd, which popd shares) and changes to PATH, as
# cd does; popd goes back. Without PATH it changes nothing. Errorlevel 0, or
# cmd's message and errorlevel 1.
# needs: _cd
_pushd() {
  _pdo=$PWD
  if [ $# -eq 0 ]; then
    _el=0
    return 0
  fi
  _cd "$1" || return 1
  _pd=$((${_pd:-0} + 1))
  eval "_pd$_pd=\$_pdo"
}
