# _start [OPTION...] [PROGRAM [ARGUMENT...]]: start runs PROGRAM without
# waiting for it, its input cut off, as cmd starts one in a window of its own
# (the converter leaves out the window title); /wait waits and takes its exit
# status as the errorlevel; /d FOLDER runs it there. A batch file runs as the
# script converted from it; a web address, or a file that is not a program,
# opens with xdg-open. Window options (/min, /max, /b, priorities...) have no
# counterpart and are skipped. A program that is nowhere gives cmd's message
# and fails; otherwise the errorlevel stays as it was, unless /wait.
# needs: _wp _bs _ci _d0
# shellcheck disable=SC2154
_start() {
  _saw=0
  _sad=
  while [ $# -gt 0 ]; do
    case $1 in
    /[wW][aA][iI][tT]) _saw=1 ;;
    /[dD])
      shift
      _sad=${1-}
      ;;
    /[dD]?*) _sad=${1#??} ;;
    /[nN][oO][dD][eE] | /[aA][fF][fF][iI][nN][iI][tT][yY] | /[mM][aA][cC][hH][iI][nN][eE]) shift ;;
    /*) ;;
    *) break ;;
    esac
    [ $# -gt 0 ] && shift
  done
  [ $# -gt 0 ] || return 0
  _wp _sap "$1"
  shift
  # Arguments get slashes for backslashes, as for any other program.
  _san=$#
  while [ "$_san" -gt 0 ]; do
    _bs _saa "$1"
    shift
    set -- "$@" "$_saa"
    _san=$((_san - 1))
  done
  if [ -n "$_sad" ]; then
    _wp _sad "$_sad"
    _ci _sad "$_sad"
  fi
  _ci _saq "$_sap"
  _sab=
  case $_sap in
  *://* | [mM][aA][iI][lL][tT][oO]:*) set -- xdg-open "$_sap" ;;
  *.[bB][aA][tT] | *.[cC][mM][dD])
    _saq=${_saq%.*}.sh
    case $_saq in
    */*) ;;
    *) [ -f "${_sad:-.}/$_saq" ] || _saq=$_d0$_saq ;;
    esac
    _sab=$_saq
    set -- sh "$_saq" "$@"
    ;;
  *)
    if [ -f "$_saq" ] && [ ! -x "$_saq" ]; then
      set -- xdg-open "$_saq"
    else
      case $_saq in
      */*) ;;
      *) [ -f "${_sad:-.}/$_saq" ] && [ -x "${_sad:-.}/$_saq" ] && _saq=./$_saq ;;
      esac
      case $_saq in
      *.[eE][xX][eE] | *.[cC][oO][mM])
        [ -e "$_saq" ] || command -v "$_saq" >/dev/null 2>&1 || _saq=${_saq%.*}
        ;;
      esac
      set -- "$_saq" "$@"
    fi
    ;;
  esac
  if [ -n "$_sab" ] && ! (cd -- "${_sad:-.}" 2>/dev/null && [ -f "$_sab" ]); then
    printf '%s: not found (convert its batch file with morvex --runnable)\n' "$_sab" >&2
    return 1
  fi
  if ! (cd -- "${_sad:-.}" 2>/dev/null && command -v "$1" >/dev/null 2>&1); then
    printf 'The system cannot find the file %s.\n' "$_sap" >&2
    return 1
  fi
  if [ "$_saw" = 1 ]; then
    (cd -- "${_sad:-.}" && exec "$@")
    _el=$?
  else
    (cd -- "${_sad:-.}" && exec "$@" </dev/null) &
  fi
  return 0
}
