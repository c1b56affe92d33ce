# _run PROGRAM ARGUMENT...: runs a program as cmd does, from the current folder
# first and then from PATH; its exit status becomes the errorlevel. A program
# that is nowhere to be found gives cmd's message and errorlevel 9009.
_run() {
  case $1 in
  */*) ;;
  *)
    if [ -f "./$1" ] && [ -x "./$1" ]; then
      _p=./$1
      shift
      set -- "$_p" "$@"
    fi
    ;;
  esac
  if command -v "$1" >/dev/null 2>&1; then
    "$@"
    _el=$?
    return "$_el"
  fi
  printf "'%s' is not recognized as an internal or external command,\noperable program or batch file.\n" "$1" >&2
  _el=9009
  return 1
}
