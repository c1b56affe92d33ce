# _bs VAR TEXT: sets VAR to TEXT with every backslash made a slash, as the
# names of files are written here.
_bs() {
  _bs_r=
  _bs_t=$2
  while :; do
    case $_bs_t in
    *\\*)
      _bs_r=$_bs_r${_bs_t%%\\*}/
      _bs_t=${_bs_t#*\\}
      ;;
    *) break ;;
    esac
  done
  eval "$1=\$_bs_r\$_bs_t"
}
