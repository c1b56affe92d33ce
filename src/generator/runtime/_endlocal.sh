# _endlocal: closes the innermost scope that the running batch file or call
# opened, giving back its variables and current folder. Without one it does
# nothing.
# shellcheck disable=SC2154 # _b is set through eval
_endlocal() {
  eval "_b=\${_cb${_depth:-0}:-0}"
  [ "${_sd:-0}" -gt "$_b" ] || return 0
  for _n in $(export -p | command -p sed -n 's/^export \([A-Za-z_][A-Za-z0-9_]*\).*/\1/p'); do
    unset "$_n"
  done
  eval "eval \"\$_sv$_sd\"; cd -- \"\$_sf$_sd\"; _dx=\$_sx$_sd"
  _sd=$((_sd - 1))
}
