# _mask VAR NAME MASK: sets VAR to the name that ren or copy makes of NAME
# with a MASK that holds wildcards, as cmd makes it: a ? takes the next
# character of NAME unless that is a dot, a * takes NAME up to the last
# occurrence of the character after it in MASK (the rest of NAME at the end of
# MASK), a dot skips NAME to after its next dot, and any other character takes
# the place of one of NAME's. Dots and spaces at the end are dropped.
# needs: _upper
# shellcheck disable=SC2154
_mask() {
  _msn=$2
  _msm=$3
  _mso=
  while [ -n "$_msm" ]; do
    _msc=${_msm%"${_msm#?}"}
    _msm=${_msm#?}
    case $_msc in
    '?')
      case $_msn in
      .* | '') ;;
      *)
        _mso=$_mso${_msn%"${_msn#?}"}
        _msn=${_msn#?}
        ;;
      esac
      ;;
    '*')
      if [ -z "$_msm" ]; then
        _mso=$_mso$_msn
        _msn=
        continue
      fi
      _msx=${_msm%"${_msm#?}"}
      # The last occurrence of that character, in either case.
      _upper _msy "$_msn"
      _upper _msz "$_msx"
      case $_msy in
      *"$_msz"*)
        _msy=${_msy%"$_msz"*}
        _msl=${#_msy}
        _msp=
        while [ "${#_msp}" -lt "$_msl" ]; do
          _msp=$_msp${_msn%"${_msn#?}"}
          _msn=${_msn#?}
        done
        _mso=$_mso$_msp
        ;;
      *)
        _mso=$_mso$_msn
        _msn=
        ;;
      esac
      ;;
    .)
      _mso=$_mso.
      case $_msn in
      *.*) _msn=${_msn#*.} ;;
      *) _msn= ;;
      esac
      ;;
    *)
      _mso=$_mso$_msc
      case $_msn in
      .* | '') ;;
      *) _msn=${_msn#?} ;;
      esac
      ;;
    esac
  done
  while :; do
    case $_mso in
    *[.' ']) _mso=${_mso%?} ;;
    *) break ;;
    esac
  done
  eval "$1=\$_mso"
}
