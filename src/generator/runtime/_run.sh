# _run PROGRAM ARGUMENT...: runs a program as cmd does. A name without a
# folder is looked for in the current folder first, then in PATH. A batch file
# found there (NAME.bat or NAME.cmd, or NAME itself when it ends so) runs as
# the script converted from it, NAME.sh beside it, which may be there alone;
# _rb is then 1. The exit status becomes the errorlevel. A program that is
# nowhere to be found gives cmd's message and errorlevel 9009, and fails with
# status 127 (for the errorlevel of a pipeline that it ends).
# needs: _runbat
_run() {
  _p=$1
  _rb=
  _b=
  case $_p in
  *.[bB][aA][tT] | *.[cC][mM][dD]) _b=${_p%.*} ;;
  esac
  case $_p in
  */*)
    if [ -n "$_b" ] && { [ -f "$_p" ] || [ -f "$_b.sh" ]; }; then
      shift
      _runbat "$_b.sh" "$@"
      return
    fi
    for _x in bat cmd BAT CMD; do
      if [ -z "$_b" ] && [ -f "$_p.$_x" ]; then
        shift
        _runbat "$_p.sh" "$@"
        return
      fi
    done
    ;;
  *)
    _ps=.:$PATH
    _i=$IFS
    IFS=:
    for _dir in $_ps; do
      IFS=$_i
      _dir=${_dir:-.}
      if [ -n "$_b" ]; then
        if [ -f "$_dir/$_p" ] || [ -f "$_dir/$_b.sh" ]; then
          shift
          _runbat "$_dir/$_b.sh" "$@"
          return
        fi
        continue
      fi
      for _x in bat cmd BAT CMD; do
        if [ -f "$_dir/$_p.$_x" ]; then
          shift
          _runbat "$_dir/$_p.sh" "$@"
          return
        fi
      done
      if [ -f "$_dir/$_p" ] && [ -x "$_dir/$_p" ]; then
        [ "$_dir" = . ] && shift && set -- "./$_p" "$@"
        break
      fi
    done
    IFS=$_i
    ;;
  esac
  if [ -z "$_b" ] && command -v "$1" >/dev/null 2>&1; then
    "$@"
    _el=$?
    return "$_el"
  fi
  printf "'%s' is not recognized as an internal or external command,\noperable program or batch file.\n" "$1" >&2
  _el=9009
  return 127
}
