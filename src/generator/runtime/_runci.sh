# _runci PATH: sets _rs to the script converted from the batch file that PATH
# names in any case, as Windows finds Sub\Helper.bat when the file is
# sub/helper.bat: PATH with its .bat or .cmd, or with either added, or the
# script alone where it stands without its batch file. _rs stays empty when
# there is none.
# needs: _ci _cipat
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
    # One look through the folder for NAME.bat and NAME.cmd in any case, as
    # a program run in a loop does it each time: .bat wins, as in PATHEXT.
    _ci _rc "${1%/*}"
    _cipat _rzp "${1##*/}"
    _rzf=
    set +f
    # shellcheck disable=SC2231 # the name's pattern must stay unquoted
    for _rzx in "$_rc"/$_rzp.[bBcC][aAmM][tTdD]; do
      [ -f "$_rzx" ] || continue
      case $_rzx in
      *.[bB][aA][tT])
        _rzf=$_rzx
        break
        ;;
      *.[cC][mM][dD]) [ -n "$_rzf" ] || _rzf=$_rzx ;;
      esac
    done
    set -f
    [ -z "$_rzf" ] || _rs=${_rzf%.*}.sh
    ;;
  esac
}
