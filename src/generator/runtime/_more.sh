# _more [/E] [/C] [/P] [/S] [/Tn] [+N] [FILE...]: more shows its files one
# after another, or its input, from line N+1 on (+N), with tabs expanded to
# n spaces (8), and /S squeezing runs of empty lines into one. Pages wait for
# a key only on a terminal, through the more here; otherwise nothing waits.
# A missing file gives Windows' message and errorlevel 1; otherwise
# errorlevel 0.
# needs: _wp _sw _nl
# shellcheck disable=SC2154 # _mof is set by _wp, _swp by _sw
_more() {
  _mos=
  _mot=8
  _mon=0
  _mol=
  for _mow in "$@"; do
    _sw "$_mow"
    case $_swp$_mow in
    [-/][eEcCpP]) ;;
    [-/][sS]) _mos=1 ;;
    [-/][tT][1-9]) _mot=${_mow#??} ;;
    +*)
      _mon=${_mow#+}
      case $_mon in
      '' | *[!0-9]*)
        printf 'Invalid switch - %s\n' "$_mow" >&2
        _el=1
        return 1
        ;;
      esac
      ;;
    [-/]?*)
      printf 'Invalid switch - %s\n' "$_mow" >&2
      _el=1
      return 1
      ;;
    *)
      _wp _mof "$_mow"
      if [ ! -f "$_mof" ]; then
        printf 'Cannot access file %s\n' "$_mow" >&2
        _el=1
        return 1
      fi
      _mol=$_mol$_mof$_nl
      ;;
    esac
  done
  set --
  while [ -n "$_mol" ]; do
    set -- "$@" "${_mol%%"$_nl"*}"
    _mol=${_mol#*"$_nl"}
  done
  command -p cat -- "$@" | command -p tail -n "+$((_mon + 1))" | command -p expand -t "$_mot" |
    if [ -n "$_mos" ]; then
      command -p awk '{ e = $0 == "" || $0 == "\r" } !(e && p) { print } { p = e }'
    else
      command -p cat
    fi |
    if [ -t 1 ]; then command -p more; else command -p cat; fi
  _el=0
}
