# _setvar NAME VALUE: "set name=value" with a name known only when the script
# runs.
# needs: _vn _set _setpath _jr
# shellcheck disable=SC2154 # _r is set by _vn
_setvar() {
  _vn "$1"
  [ -z "${_jc-}" ] || _jr "$_r"
  if [ "$_r" = PATH ]; then
    _setpath "$2"
  else
    _set "$_r" "$2"
  fi
}
