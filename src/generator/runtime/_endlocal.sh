# _endlocal: closes the innermost scope that the running batch file or call
# opened (the scopes above _cb), giving back the variables that changed in it
# and its current folder. Without one it does nothing.
# shellcheck disable=SC2154 # _jt and the scope's variables are set through eval
_endlocal() {
  [ "${_sd:-0}" -gt "${_cb:-0}" ] || return 0
  eval "_jt=\$_jl$_sd"
  while [ -n "$_jt" ]; do
    _jt=${_jt# }
    _n=${_jt%% *}
    _jt=${_jt#"$_n"}
    eval "if [ -n \"\${_jv${_sd}_$_n+1}\" ]; then
      export $_n=\"\$_jv${_sd}_$_n\"
      unset _jv${_sd}_$_n
    else
      unset $_n
    fi
    _jm_$_n=\$_jo${_sd}_$_n"
  done
  eval "cd -- \"\$_sf$_sd\"; _dx=\$_sx$_sd _jc=\$_jp$_sd"
  _sd=$((_sd - 1))
}
