# _ren SOURCE NAME: ren and rename give the files or folders that SOURCE
# names (cmd's wildcards, in any case) the new NAME, in the folder they are
# in; NAME may hold wildcards that keep parts of each old name (see _mask),
# but no folder. A new name that is taken, a missing source, or a NAME with a
# folder give cmd's message and errorlevel 1; otherwise errorlevel 0.
# needs: _wp _ci _wild _mask _nl _guard
# shellcheck disable=SC2154
_ren() {
  if [ $# != 2 ]; then
    printf 'The syntax of the command is incorrect.\n' >&2
    _el=1
    return 1
  fi
  case $2 in
  *[\\/:]* | '')
    printf 'The syntax of the command is incorrect.\n' >&2
    _el=1
    return 1
    ;;
  esac
  _wp _rnt "$1"
  if ! _wild '' "$_rnt"; then
    printf 'The system cannot find the file specified.\n' >&2
    _el=1
    return 1
  fi
  _rnl=$_r
  # Nothing is renamed when the guard refuses one of the files.
  _rng=$_rnl
  while [ -n "$_rng" ]; do
    _rnf=${_rng%%"$_nl"*}
    _rng=${_rng#*"$_nl"}
    _guard ren "$_rnf" || return 1
  done
  _rnr=0
  while [ -n "$_rnl" ]; do
    _rnf=${_rnl%%"$_nl"*}
    _rnl=${_rnl#*"$_nl"}
    case $_rnf in
    */*) _rnd=${_rnf%/*}/ ;;
    *) _rnd= ;;
    esac
    case $2 in
    *[*?]*) _mask _rnn "${_rnf##*/}" "$2" ;;
    *) _rnn=$2 ;;
    esac
    [ "$_rnd$_rnn" = "$_rnf" ] && continue
    _ci _rno "$_rnd$_rnn"
    # A name that differs only in case is the same file on Windows.
    # shellcheck disable=SC3013
    if { [ -e "$_rno" ] || [ -L "$_rno" ]; } && ! [ "$_rno" -ef "$_rnf" ]; then
      printf 'A duplicate file name exists, or the file\ncannot be found.\n' >&2
      _rnr=1
      continue
    fi
    if ! command -p mv -- "$_rnf" "$_rnd$_rnn" 2>/dev/null; then
      printf 'Access is denied.\n' >&2
      _rnr=1
    fi
  done
  _el=$_rnr
  return "$_rnr"
}
