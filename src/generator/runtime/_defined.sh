# _defined NAME: "if defined" for a name known only when the script runs.
# needs: _vn
_defined() {
  _vn "$1"
  eval "[ -n \"\${$_r+set}\" ]"
}
