# _call ARM NAME ARGUMENT...: call :label. The label's code runs with its own
# %0 to %9 until it reaches the end of the file, goto :eof or exit /b; a
# setlocal it leaves open ends with it. Then the caller goes on, and the call
# succeeds when the errorlevel is 0.
# shellcheck disable=SC2154 # _cb is set through eval; _fn, _el and _nl by the script, _r by _cargs
_call() {
  unset _ct
  if [ -n "${_cl+1}" ]; then
    # The arguments as a command line, cut as cmd cuts them (the script that
    # sets _cl holds _cargs), which keeps the line for %* in _ct.
    _cargs "$_cl"
    unset _cl
    set -- "$1" "$2"
    while [ -n "$_r" ]; do
      set -- "$@" "${_r%%"$_nl"*}"
      _r=${_r#*"$_nl"}
    done
  fi
  _depth=$((${_depth:-0} + 1))
  eval "_ca$_depth=\${_a0-} _cb$_depth=\${_sd:-0} _cs$_depth=\${_star-}"
  _pc=$1
  _a0=$2
  shift 2
  "$_fn" "$@"
  eval "_a0=\$_ca$_depth _cb=\$_cb$_depth _star=\$_cs$_depth"
  while [ "${_sd:-0}" -gt "$_cb" ]; do
    _endlocal || break
  done
  _depth=$((_depth - 1))
  return $((_el != 0))
}
