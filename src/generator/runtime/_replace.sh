# _replace VAR TEXT OLD NEW [*]: sets VAR to TEXT with every OLD made NEW, as
# %x:old=new% does, matching OLD in any case. With *, everything up to and
# including the first OLD is made NEW.
# needs: _lower
# shellcheck disable=SC2154 # _rp_lo is set by _lower, through eval
_replace() {
  _rp_v=$2
  _lower _rp_lv "$2"
  _lower _rp_lo "$3"
  _rp_r=
  while :; do
    case $_rp_lv in
    *"$_rp_lo"*) ;;
    *) break ;;
    esac
    _rp_h=${_rp_lv%%"$_rp_lo"*}
    # The same number of characters from the original text.
    _rp_p=
    _rp_i=0
    while [ "$_rp_i" -lt "${#_rp_h}" ]; do
      _rp_p=$_rp_p'?'
      _rp_i=$((_rp_i + 1))
    done
    _rp_k=${_rp_v#$_rp_p}
    [ "$5" = '*' ] && _rp_r= || _rp_r=$_rp_r${_rp_v%"$_rp_k"}
    _rp_r=$_rp_r$4
    _rp_i=0
    while [ "$_rp_i" -lt "${#_rp_lo}" ]; do
      _rp_p=$_rp_p'?'
      _rp_i=$((_rp_i + 1))
    done
    _rp_v=${_rp_v#$_rp_p}
    _rp_lv=${_rp_lv#$_rp_p}
    [ "$5" = '*' ] && break
  done
  eval "$1=\$_rp_r\$_rp_v"
}
