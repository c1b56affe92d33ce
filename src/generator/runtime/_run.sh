# _run PROGRAM ARGUMENT...: runs a program as cmd does. A name without a
# folder is looked for in the current folder first, then in PATH. A batch file
# found there (NAME.bat or NAME.cmd, or NAME itself when it ends so) runs as
# the script converted from it, NAME.sh beside it, which may be there alone;
# _rb is then 1. The exit status becomes the errorlevel. A program that is
# nowhere to be found gives cmd's message and errorlevel 9009, and fails with
# status 127 (for the errorlevel of a pipeline that it ends).
#
# A batch file is found in any case (_runci) where it has a folder or stands
# in the current one, as Windows finds it; programs keep their case.
#
# When _rl is set, it holds the arguments as a command line instead, cut when
# the program is known: as cmd hands them to a batch file, quotes kept, or as
# a Windows program reads them (the script that sets it holds _cargs and
# _argv).
# needs: _runbat _runci _nl
# shellcheck disable=SC2154 # _r is set by _cargs and _argv
_run() {
  _p=$1
  _rb=
  _rlx=${_rl+1}
  _rlt=${_rl-}
  unset _rl
  _b=
  _rs=
  case $_p in
  *.[bB][aA][tT] | *.[cC][mM][dD]) _b=${_p%.*} ;;
  esac
  case $_p in
  */*)
    if [ -n "$_b" ] && { [ -f "$_p" ] || [ -f "$_b.sh" ]; }; then
      _rs=$_b.sh
    fi
    for _x in bat cmd BAT CMD; do
      if [ -z "$_b" ] && [ -z "$_rs" ] && [ -f "$_p.$_x" ]; then
        _rs=$_p.sh
      fi
    done
    [ -n "$_rs" ] || _runci "$_p"
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
          _rs=$_dir/$_b.sh
          break
        fi
        [ "$_dir" != . ] || _runci "./$_p"
        [ -n "$_rs" ] && break
        continue
      fi
      for _x in bat cmd BAT CMD; do
        [ -f "$_dir/$_p.$_x" ] && _rs=$_dir/$_p.sh && break
      done
      [ -n "$_rs" ] || [ "$_dir" != . ] || [ -f "./$_p" ] || _runci "./$_p"
      [ -n "$_rs" ] && break
      if [ -f "$_dir/$_p" ] && [ -x "$_dir/$_p" ]; then
        _p=$_dir/$_p
        break
      fi
    done
    IFS=$_i
    ;;
  esac
  shift
  unset _ct
  if [ -n "$_rlx" ]; then
    if [ -n "$_rs" ]; then
      _cargs "$_rlt"
    else
      _argv "$_rlt"
    fi
    set --
    while [ -n "$_r" ]; do
      set -- "$@" "${_r%%"$_nl"*}"
      _r=${_r#*"$_nl"}
    done
  fi
  if [ -n "$_rs" ]; then
    _runbat "$_rs" "$@"
    return
  fi
  # Only a file is run: a name the shell alone knows (a keyword such as
  # else, a built-in, one of these functions) is not a program.
  if [ -z "$_b" ] && [ -f "$_p" ] && [ -x "$_p" ]; then
    "$_p" "$@"
    _el=$?
    return "$_el"
  fi
  printf "'%s' is not recognized as an internal or external command,\noperable program or batch file.\n" "$_p" >&2
  _el=9009
  return 127
}
