# _defined NAME: "if defined" for a name known only when the script runs.
# needs: _vn
# shellcheck disable=SC2154 # _r is set by _vn
_defined() {
  _vn "$1"
  eval "[ -n \"\${$_r+set}\" ]"
}
