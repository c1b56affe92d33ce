# _jr NAME: NAME is about to change inside the innermost open scope. Unless it
# has changed in that scope already (its mark _jm_NAME is the scope's number),
# its value (or that it is unset) and its earlier mark are kept for the
# scope's endlocal, and the name joins the scope's list.
# Scripts call it only while a scope is open and the mark is not the
# scope's: case ${_jm_NAME-} in "${_jc-}") ;; *) _jr NAME ;; esac
# shellcheck disable=SC2154 # _sd and _jc are set by _setlocal
_jr() {
  eval "_jt=\${_jm_$1-}"
  [ "$_jt" != "$_jc" ] || return 0
  eval "_jo${_sd}_$1=\$_jt _jm_$1=\$_jc _jl$_sd=\"\$_jl$_sd \$1\"
  if [ -n \"\${$1+1}\" ]; then _jv${_sd}_$1=\$$1; else unset _jv${_sd}_$1; fi"
}
