# _runbat SCRIPT ARGUMENT...: runs the script converted from another batch
# file; its exit status becomes the errorlevel.
_runbat() {
  if [ ! -f "$1" ]; then
    printf '%s: not found (convert its batch file with morvex --runnable)\n' "$1" >&2
    _el=9009
    return 1
  fi
  sh "$@"
  _el=$?
  return "$_el"
}
