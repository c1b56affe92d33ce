# _dvar VAR TEXT: sets VAR to what !TEXT! gives when part of TEXT came from
# an expansion: TEXT is a variable's name, with an edit after a colon as in
# %name:~1,2% or %name:old=new%.
# needs: _vn _substr _replace
# shellcheck disable=SC2154 # _r is set by _vn
_dvar() {
  _dv_n=${2%%:*}
  _dv_e=
  case $2 in
  *:*) _dv_e=${2#*:} ;;
  esac
  _vn "$_dv_n"
  case $_r in
  ERRORLEVEL) _dv_v=${ERRORLEVEL-$_el} ;;
  CD) _dv_v=${CD-$PWD} ;;
  USERPROFILE) _dv_v=${USERPROFILE-$HOME} ;;
  TEMP | TMP) eval "_dv_v=\${$_r-\${TMPDIR:-/tmp}}" ;;
  *) eval "_dv_v=\${$_r-}" ;;
  esac
  case $_dv_e in
  '') ;;
  \~*)
    _dv_e=${_dv_e#\~}
    _dv_s=${_dv_e%%,*}
    case $_dv_e in
    *,*) _dv_l=${_dv_e#*,} ;;
    *) _dv_l= ;;
    esac
    case ${_dv_s#-}${_dv_l#-}x in
    *[!0-9x]*) _dv_v= ;;
    *)
      if [ -n "$_dv_l" ]; then
        _substr _dv_v "$_dv_v" "${_dv_s:-0}" "$_dv_l"
      else
        _substr _dv_v "$_dv_v" "${_dv_s:-0}"
      fi
      ;;
    esac
    ;;
  \**=*)
    _dv_e=${_dv_e#\*}
    _replace _dv_v "$_dv_v" "${_dv_e%%=*}" "${_dv_e#*=}" '*'
    ;;
  *=*) _replace _dv_v "$_dv_v" "${_dv_e%%=*}" "${_dv_e#*=}" ;;
  *) _dv_v= ;;
  esac
  eval "$1=\$_dv_v"
}
