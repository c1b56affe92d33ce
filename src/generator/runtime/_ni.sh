# _ni VAR TEXT: sets VAR to the number TEXT starts with, read as cmd reads
# numbers: decimal, 0x for hexadecimal, a leading 0 for octal, and 0 when
# there is no number at all.
_ni() {
  _t=$2
  case $_t in
  [1-9] | [1-9][0-9] | [1-9][0-9][0-9] | [1-9][0-9][0-9][0-9] | [1-9][0-9][0-9][0-9][0-9] | 0)
    eval "$1=\$_t"
    return
    ;;
  esac
  while :; do
    case $_t in
    [' 	']*) _t=${_t#?} ;;
    *) break ;;
    esac
  done
  _s=
  case $_t in
  -*) _s=- _t=${_t#-} ;;
  +*) _t=${_t#+} ;;
  esac
  case $_t in
  0[xX]*) _t=${_t#??} _b=16 ;;
  0*) _b=8 ;;
  *) _b=10 ;;
  esac
  _v=0
  while [ -n "$_t" ]; do
    _c=${_t%"${_t#?}"}
    case $_c in
    [0-9]) _d=$_c ;;
    [aA]) _d=10 ;;
    [bB]) _d=11 ;;
    [cC]) _d=12 ;;
    [dD]) _d=13 ;;
    [eE]) _d=14 ;;
    [fF]) _d=15 ;;
    *) break ;;
    esac
    [ "$_d" -lt "$_b" ] || break
    _v=$((_v * _b + _d))
    _t=${_t#?}
  done
  eval "$1=\$((\$_s\$_v))"
}
