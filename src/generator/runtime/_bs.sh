# _bs VAR TEXT: sets VAR to TEXT with every backslash made a slash, as the
# names of files are written here.
_bs() {
  _r=
  _t=$2
  while :; do
    case $_t in
    *\\*)
      _r=$_r${_t%%\\*}/
      _t=${_t#*\\}
      ;;
    *) break ;;
    esac
  done
  eval "$1=\$_r\$_t"
}
