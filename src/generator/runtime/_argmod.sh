# _argmod VAR MODIFIERS PATH: sets VAR to what %~ modifiers make of PATH: f
# the full name, d the drive (there is none here), p the folder with a slash
# at the end, n the name without its extension, x the extension, z the size in
# bytes. Without modifiers other than ~, PATH loses its quotes only. $NAME:
# last looks for the name in the folders that variable lists (";" between
# them, or ":" in PATH here), and gives nothing when none holds it.
# needs: _wp _unq _vn
# shellcheck disable=SC2154 # _r is set by _vn
_argmod() {
  case $2 in
  *'$'*)
    _am_s=${2%%\$*}
    _am_v=${2#*\$}
    _vn "${_am_v%:}"
    eval "_am_l=\${$_r-}"
    _am_i=$IFS
    IFS=';'
    [ "$_r" = PATH ] && IFS=:
    _unq _am_m "$3"
    _am_f=
    for _am_c in $_am_l; do
      _unq _am_c "$_am_c"
      _wp _am_c "${_am_c:-.}"
      if [ -n "$_am_m" ] && [ -e "${_am_c%/}/$_am_m" ]; then
        _am_f=${_am_c%/}/$_am_m
        break
      fi
    done
    IFS=$_am_i
    [ "$_am_s" = '~' ] && _am_s='~f'
    if [ -n "$_am_f" ]; then
      _argmod "$1" "$_am_s" "$_am_f"
    else
      eval "$1="
    fi
    return
    ;;
  esac
  _unq _am_m "$3"
  _wp _am_m "$_am_m"
  case $2 in
  *[fFdDpPnNxXsS]*)
    if [ -n "$_am_m" ]; then
      case $_am_m in
      /*) _am_a=$_am_m ;;
      *) _am_a=$PWD/$_am_m ;;
      esac
      # . and .. are resolved in the name itself, as cmd does.
      _am_o=
      _am_i=$IFS
      IFS=/
      for _am_c in $_am_a; do
        case $_am_c in
        '' | .) ;;
        ..) _am_o=${_am_o%/*} ;;
        *) _am_o=$_am_o/$_am_c ;;
        esac
      done
      IFS=$_am_i
      _am_a=${_am_o:-/}
      _am_d=${_am_a%/*}/
      _am_b=${_am_a##*/}
      case $_am_b in
      *.*) _am_n=${_am_b%.*} _am_x=.${_am_b##*.} ;;
      *) _am_n=$_am_b _am_x= ;;
      esac
      _am_r=
      case $2 in
      *[dDpPnNxX]*)
        case $2 in *[pP]*) _am_r=$_am_r$_am_d ;; esac
        case $2 in *[nN]*) _am_r=$_am_r$_am_n ;; esac
        case $2 in *[xX]*) _am_r=$_am_r$_am_x ;; esac
        ;;
      *) _am_r=$_am_a ;;
      esac
    else
      _am_r=
    fi
    ;;
  *[zZ]*)
    _am_r=
    [ -f "$_am_m" ] && _am_r=$(command -p wc -c <"$_am_m") && _am_r=$((_am_r))
    ;;
  *) _am_r=$_am_m ;;
  esac
  eval "$1=\$_am_r"
}
