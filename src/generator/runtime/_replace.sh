# _replace VAR TEXT OLD NEW [*]: sets VAR to TEXT with every OLD made NEW, as
# %x:old=new% does, matching OLD in any case. With *, everything up to and
# including the first OLD is made NEW.
# needs: _lower _qs
# shellcheck disable=SC2154 # _rp_lo is set by _lower, _qs_p by _qs
_replace() {
  _rp_v=$2
  case $3 in
  *[ABCDEFGHIJKLMNOPQRSTUVWXYZ]*) _lower _rp_lo "$3" ;;
  *) _rp_lo=$3 ;;
  esac
  _rp_r=
  # No upper case in the text, or no letter in OLD: OLD in lower case is
  # found in the text as it is.
  _rp_f=1
  case $2 in
  *[ABCDEFGHIJKLMNOPQRSTUVWXYZ]*)
    case $_rp_lo in
    *[abcdefghijklmnopqrstuvwxyz]*) _rp_f= ;;
    esac
    ;;
  esac
  if [ -n "$_rp_f" ]; then
    if [ "$5" = '*' ]; then
      case $_rp_v in
      *"$_rp_lo"*) _rp_v=$4${_rp_v#*"$_rp_lo"} ;;
      esac
    else
      while :; do
        case $_rp_v in
        *"$_rp_lo"*) ;;
        *) break ;;
        esac
        _rp_r=$_rp_r${_rp_v%%"$_rp_lo"*}$4
        _rp_v=${_rp_v#*"$_rp_lo"}
      done
    fi
    eval "$1=\$_rp_r\$_rp_v"
    return
  fi
  _lower _rp_lv "$2"
  _qs "${#_rp_lo}"
  _rp_q=$_qs_p
  while :; do
    case $_rp_lv in
    *"$_rp_lo"*) ;;
    *) break ;;
    esac
    _rp_h=${_rp_lv%%"$_rp_lo"*}
    # The same number of characters from the original text.
    _qs "${#_rp_h}"
    _rp_p=$_qs_p
    _rp_k=${_rp_v#$_rp_p}
    [ "$5" = '*' ] && _rp_r= || _rp_r=$_rp_r${_rp_v%"$_rp_k"}
    _rp_r=$_rp_r$4
    _rp_v=${_rp_v#$_rp_p$_rp_q}
    _rp_lv=${_rp_lv#$_rp_p$_rp_q}
    [ "$5" = '*' ] && break
  done
  eval "$1=\$_rp_r\$_rp_v"
}
