# _ni VAR TEXT: sets VAR to the number TEXT starts with, read as cmd reads
# numbers: decimal, 0x for hexadecimal, a leading 0 for octal, and 0 when
# there is no number at all.
_ni() {
  # A number as set /a writes one, short enough for any shell's arithmetic:
  # the common case, taken as it is.
  case $2 in
  '' | *[!0-9-]* | ?*-* | - | -0* | 0?* | ??????????*) ;;
  *)
    eval "$1=\$2"
    return
    ;;
  esac
  _ni_t=$2
  while :; do
    case $_ni_t in
    [' 	']*) _ni_t=${_ni_t#?} ;;
    *) break ;;
    esac
  done
  _ni_s=
  case $_ni_t in
  -*) _ni_s=- _ni_t=${_ni_t#-} ;;
  +*) _ni_t=${_ni_t#+} ;;
  esac
  case $_ni_t in
  0[xX]*) _ni_t=${_ni_t#??} _ni_b=16 ;;
  0*) _ni_b=8 ;;
  [1-9]*)
    # Decimal digits are taken at once while they fit in any shell's
    # arithmetic (nine of them); longer runs go digit by digit below.
    _ni_t=${_ni_t%%[!0-9]*}
    case $_ni_t in
    ??????????*) _ni_b=10 ;;
    *)
      eval "$1=\$((\$_ni_s\$_ni_t))"
      return
      ;;
    esac
    ;;
  *)
    eval "$1=0"
    return
    ;;
  esac
  _ni_v=0
  while [ -n "$_ni_t" ]; do
    _ni_c=${_ni_t%"${_ni_t#?}"}
    case $_ni_c in
    [0-9]) _ni_d=$_ni_c ;;
    [aA]) _ni_d=10 ;;
    [bB]) _ni_d=11 ;;
    [cC]) _ni_d=12 ;;
    [dD]) _ni_d=13 ;;
    [eE]) _ni_d=14 ;;
    [fF]) _ni_d=15 ;;
    *) break ;;
    esac
    [ "$_ni_d" -lt "$_ni_b" ] || break
    _ni_v=$((_ni_v * _ni_b + _ni_d))
    _ni_t=${_ni_t#?}
  done
  # Negated as a difference: "-" before a negative number would be "--",
  # and some shells write minus zero.
  [ -n "$_ni_s" ] && _ni_v=$((0 - _ni_v))
  eval "$1=\$_ni_v"
}
