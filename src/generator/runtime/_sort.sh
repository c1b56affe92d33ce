# _sort [/R] [/+N] [/O FILE] [FILE]: sort as Windows sorts, ignoring case:
# the lines of FILE, or of its input, in order (/R: reversed), compared from
# their Nth character on (/+N), written to FILE with /O, or to its output.
# /M, /L, /REC and /T take a value that changes nothing here. A missing file
# gives Windows' message and errorlevel 1; otherwise errorlevel 0.
# needs: _wp _sw _nl
# shellcheck disable=SC2154 # _sof is set by _wp, _swp by _sw, _nl by _nl
_sort() {
  _sor=
  _sok=1
  _soo=
  _soi=
  while [ $# -gt 0 ]; do
    _sw "$1"
    case $_swp$1 in
    [-/][rR]) _sor=-r ;;
    [-/]+*)
      _sok=${1#??}
      case $_sok in
      '' | *[!0-9]* | 0) _sok=x ;;
      esac
      ;;
    [-/][oO] | [-/][mM] | [-/][lL] | [-/][rR][eE][cC] | [-/][tT])
      if [ $# -lt 2 ]; then
        printf 'The system cannot accept the path or file name requested.\n' >&2
        _el=1
        return 1
      fi
      case $1 in ?[oO]) _soo=$2 ;; esac
      shift
      ;;
    [-/]*) _sok=x ;;
    *) _soi=$1 ;;
    esac
    [ "$_sok" = x ] && break
    shift
  done
  if [ "$_sok" = x ]; then
    printf 'Invalid switch.\n' >&2
    _el=1
    return 1
  fi
  set -- -f
  [ -n "$_sor" ] && set -- "$@" -r
  # A line end cuts no line: the whole line is one field.
  [ "$_sok" != 1 ] && set -- "$@" -t "$_nl" -k "1.$_sok"
  if [ -n "$_soi" ]; then
    _wp _sof "$_soi"
    if [ ! -f "$_sof" ]; then
      printf 'The system cannot find the file specified.\n' >&2
      _el=1
      return 1
    fi
    set -- "$@" -- "$_sof"
  fi
  if [ -n "$_soo" ]; then
    _wp _sof "$_soo"
    LC_ALL=C command -p sort "$@" >"$_sof" || { _el=1; return 1; }
  else
    LC_ALL=C command -p sort "$@" || { _el=1; return 1; }
  fi
  _el=0
}
