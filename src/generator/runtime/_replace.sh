# _replace VAR TEXT OLD NEW [*]: sets VAR to TEXT with every OLD made NEW, as
# %x:old=new% does, matching OLD in any case. With *, everything up to and
# including the first OLD is made NEW.
# needs: _lower
_replace() {
  _v=$2
  _lower _lv "$2"
  _lower _lo "$3"
  _r=
  while :; do
    case $_lv in
    *"$_lo"*) ;;
    *) break ;;
    esac
    _h=${_lv%%"$_lo"*}
    # The same number of characters from the original text.
    _p=
    _i=0
    while [ "$_i" -lt "${#_h}" ]; do
      _p=$_p?
      _i=$((_i + 1))
    done
    _k=${_v#$_p}
    [ "$5" = '*' ] && _r= || _r=$_r${_v%"$_k"}
    _r=$_r$4
    _i=0
    while [ "$_i" -lt "${#_lo}" ]; do
      _p=$_p?
      _i=$((_i + 1))
    done
    _v=${_v#$_p}
    _lv=${_lv#$_p}
    [ "$5" = '*' ] && break
  done
  eval "$1=\$_r\$_v"
}
