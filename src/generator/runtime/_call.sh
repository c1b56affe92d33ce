# _call ARM NAME ARGUMENT...: call :label. The label's code runs with its own
# %0 to %9 until it reaches the end of the file, goto :eof or exit /b; a
# setlocal it leaves open ends with it. Then the caller goes on, and the call
# succeeds when the errorlevel is 0.
# needs: _ifs
# shellcheck disable=SC2154 # _fn, _el and _nl are set by the script, _r by _cargs
_call() {
  unset _ct
  if [ -n "${_cl+1}" ]; then
    # The arguments as a command line, cut as cmd cuts them (the script that
    # sets _cl holds _cargs), which keeps the line for %* in _ct. Words
    # between single spaces are cut by the shell itself: globbing is off.
    case $_cl in
    *[\"\	,\;=\
]*)
      _cargs "$_cl"
      set -- "$1" "$2"
      while [ -n "$_r" ]; do
        set -- "$@" "${_r%%"$_nl"*}"
        _r=${_r#*"$_nl"}
      done
      ;;
    *)
      _ct=${_cl#"${_cl%%[! ]*}"}
      IFS=' '
      # shellcheck disable=SC2086,SC2090 # cut at spaces on purpose; quotes were ruled out
      set -- "$1" "$2" $_cl
      IFS=$_ifs
      ;;
    esac
    unset _cl
  fi
  # The caller's %0, scope base and %* wait in this function's own arguments
  # while the label's code runs; _cb is the scope base of the code running.
  _pc=$1
  set -- "${_a0-}" "${_cb:-0}" "${_star-}" "$@"
  _a0=$5
  _cb=${_sd:-0}
  _cin "$@"
  while [ "${_sd:-0}" -gt "$_cb" ]; do
    _endlocal || break
  done
  _a0=$1 _cb=$2 _star=$3
  return $((_el != 0))
}
# _cin SAVED SAVED SAVED ARM NAME ARGUMENT...: runs the label's code with the
# arguments as %1, %2...
_cin() {
  shift 5
  "$_fn" "$@"
}
