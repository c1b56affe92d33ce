# _cipat VAR NAME [w]: sets VAR to an sh pattern that matches NAME in any case,
# as Windows matches names: each letter becomes [aA]. With w, * and ? are
# wildcards (and *.* is *); otherwise they, like [ and ], match themselves.
_cipat() {
  _pat=$2
  [ "$3" = w ] && [ "$_pat" = '*.*' ] && _pat='*'
  _par=
  while [ -n "$_pat" ]; do
    _pan=${_pat#?}
    _pac=${_pat%"$_pan"}
    _pat=$_pan
    case $_pac in
    [abcdefghijklmnopqrstuvwxyz])
      _pau=${_cipairs#*"$_pac"}
      _par=${_par}[$_pac${_pau%"${_pau#?}"}]
      ;;
    [ABCDEFGHIJKLMNOPQRSTUVWXYZ])
      _pau=${_cipairs%%"$_pac"*}
      _par=${_par}[${_pau#"${_pau%?}"}$_pac]
      ;;
    [*?])
      if [ "$3" = w ]; then
        _par=$_par$_pac
      else
        _par=${_par}[$_pac]
      fi
      ;;
    [][]) _par=${_par}[$_pac] ;;
    *) _par=$_par$_pac ;;
    esac
  done
  eval "$1=\$_par"
}
_cipairs=aAbBcCdDeEfFgGhHiIjJkKlLmMnNoOpPqQrRsStTuUvVwWxXyYzZ
