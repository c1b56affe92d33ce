# _ni VAR TEXT: sets VAR to the number TEXT starts with, read as cmd reads
# numbers: decimal, 0x for hexadecimal, a leading 0 for octal, and 0 when
# there is no number at all.
_ni() {
  _ni_t=$2
  case $_ni_t in
  [1-9] | [1-9][0-9] | [1-9][0-9][0-9] | [1-9][0-9][0-9][0-9] | [1-9][0-9][0-9][0-9][0-9] | 0)
    eval "$1=\$_ni_t"
    return
    ;;
  esac
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
  *) _ni_b=10 ;;
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
  eval "$1=\$((\$_ni_s\$_ni_v))"
}
