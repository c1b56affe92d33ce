# _runci PATH: sets _rs to the script converted from the batch file that PATH
# names in any case, as Windows finds Sub\Helper.bat when the file is
# sub/helper.bat: PATH with its .bat or .cmd, or with either added, or the
# script alone where it stands without its batch file. _rs stays empty when
# there is none.
# needs: _ci
# shellcheck disable=SC2154 # _rc is set by _ci, through eval
_runci() {
  case $1 in
  *.[bB][aA][tT] | *.[cC][mM][dD])
    _ci _rc "$1"
    if [ -f "$_rc" ]; then
      _rs=${_rc%.*}.sh
      return
    fi
    _ci _rc "${1%.*}.sh"
    [ ! -f "$_rc" ] || _rs=$_rc
    ;;
  *)
    for _x in bat cmd; do
      _ci _rc "$1.$_x"
      if [ -f "$_rc" ]; then
        _rs=${_rc%.*}.sh
        return
      fi
    done
    ;;
  esac
}
