# _argmod VAR MODIFIERS PATH: sets VAR to what %~ modifiers make of PATH: f
# the full name, d the drive (there is none here), p the folder with a slash
# at the end, n the name without its extension, x the extension, z the size in
# bytes. Without modifiers other than ~, PATH loses its quotes only.
# needs: _bs _unq
_argmod() {
  _unq _m "$3"
  _bs _m "$_m"
  case $2 in
  *[fFdDpPnNxXsS]*)
    if [ -n "$_m" ]; then
      case $_m in
      /*) _a=$_m ;;
      *) _a=$PWD/$_m ;;
      esac
      # . and .. are resolved in the name itself, as cmd does.
      _o=
      _i=$IFS
      IFS=/
      for _c in $_a; do
        case $_c in
        '' | .) ;;
        ..) _o=${_o%/*} ;;
        *) _o=$_o/$_c ;;
        esac
      done
      IFS=$_i
      _a=${_o:-/}
      _d=${_a%/*}/
      _b=${_a##*/}
      case $_b in
      *.*) _n=${_b%.*} _x=.${_b##*.} ;;
      *) _n=$_b _x= ;;
      esac
      _r=
      case $2 in
      *[dDpPnNxX]*)
        case $2 in *[pP]*) _r=$_r$_d ;; esac
        case $2 in *[nN]*) _r=$_r$_n ;; esac
        case $2 in *[xX]*) _r=$_r$_x ;; esac
        ;;
      *) _r=$_a ;;
      esac
    else
      _r=
    fi
    ;;
  *[zZ]*)
    _r=
    [ -f "$_m" ] && _r=$(wc -c <"$_m") && _r=$((_r))
    ;;
  *) _r=$_m ;;
  esac
  eval "$1=\$_r"
}
