# _exist PATH: "if exist": a file or folder of that name, in any case, or one
# that its wildcards match, hidden or not, is there. "folder\nul" asks whether
# the folder is there; an empty name is never there.
# needs: _nq _wp _ci _wild
# shellcheck disable=SC2154
_exist() {
  _nq _ext "$1"
  _wp _ext "$_ext"
  case $_ext in
  '') return 1 ;;
  */[nN][uU][lL] | [nN][uU][lL])
    _ext=${_ext%???}
    _ci _ext "${_ext:-.}"
    [ -d "$_ext" ]
    return
    ;;
  esac
  _wild h1 "$_ext"
}
