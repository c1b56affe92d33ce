# _rd [/S] [/Q] FOLDER...: rd and rmdir remove each folder (found in any
# case): an empty one, or with /s everything in it, after asking
# "FOLDER, Are you sure (Y/N)? " unless /q. A failure gives cmd's message and
# fails the command (for || to see) with cmd's code in its low byte: 2 for a
# folder that is not there, 3 when the path above it is missing, 145 for one
# that is not empty, 267 for a file. rd leaves the errorlevel alone, except
# that "rd /s" on a folder that is not there sets it to 2.
# needs: _wp _ci _ask _sw _guard
# shellcheck disable=SC2154
_rd() {
  _rms=0
  _rmq=0
  _rmn=0
  for _rma in "$@"; do
    _sw "$_rma"
    case $_swp$_rma in
    /*)
      _rmw=$_rma
      while [ -n "$_rmw" ]; do
        _rmw=${_rmw#/}
        case ${_rmw%%/*} in
        [sS]) _rms=1 ;;
        [qQ]) _rmq=1 ;;
        *)
          printf 'Invalid switch - "%s".\n' "${_rmw%%/*}" >&2
          return 1
          ;;
        esac
        case $_rmw in
        */*) _rmw=/${_rmw#*/} ;;
        *) _rmw= ;;
        esac
      done
      ;;
    *) _rmn=$((_rmn + 1)) ;;
    esac
  done
  if [ "$_rmn" = 0 ]; then
    printf 'The syntax of the command is incorrect.\n' >&2
    return 1
  fi
  _rmr=0
  for _rma in "$@"; do
    _sw "$_rma"
    case $_swp$_rma in
    /*) continue ;;
    esac
    _wp _rmt "$_rma"
    _ci _rmt "$_rmt"
    if ! _guard rd "$_rmt"; then
      _rmr=1
      continue
    fi
    if [ ! -e "$_rmt" ] && [ ! -L "$_rmt" ]; then
      case $_rmt in
      */*?) _rmp=${_rmt%/*} ;;
      *) _rmp=. ;;
      esac
      if [ -d "${_rmp:-/}" ]; then
        printf 'The system cannot find the file specified.\n' >&2
        _rmr=2
        [ "$_rms" = 1 ] && _el=2
      else
        printf 'The system cannot find the path specified.\n' >&2
        _rmr=3
      fi
    elif [ ! -d "$_rmt" ] || [ -L "$_rmt" ]; then
      printf 'The directory name is invalid.\n' >&2
      _rmr=267
    elif [ "$_rms" = 1 ]; then
      if [ "$_rmq" = 1 ] || _ask "$_rma, Are you sure (Y/N)? " YN; then
        command -p rm -rf -- "$_rmt" 2>/dev/null
        if [ -e "$_rmt" ]; then
          printf 'Access is denied.\n' >&2
          _rmr=5
        fi
      fi
    elif ! command -p rmdir -- "$_rmt" 2>/dev/null; then
      if [ -n "$(command -p ls -A -- "$_rmt" 2>/dev/null)" ]; then
        printf 'The directory is not empty.\n' >&2
        _rmr=145
      else
        printf 'Access is denied.\n' >&2
        _rmr=5
      fi
    fi
  done
  [ "$_rmr" = 0 ] && return 0
  return $((_rmr & 255))
}
