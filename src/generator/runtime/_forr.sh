# _forr ROOT ITEM...: sets _r to the items of a for /r loop, one per line. For
# ROOT (the current folder when empty) and each folder below it, root first
# and then depth first in cmd's order, every item is joined to the folder's
# full name; an item with * or ? becomes the files that match it there.
# needs: _wp _nl _forset _unq
# shellcheck disable=SC2154 # _fw_t is set by _unq, through eval; _nl by _nl
_forr() {
  _unq _fw_d "$1"
  _wp _fw_d "${_fw_d:-.}"
  shift
  _fw_d=$(cd -- "$_fw_d" 2>/dev/null && pwd) || {
    _r=
    return 0
  }
  # Folders sort as cmd walks them: a folder's own folders come before the
  # next name beside it, whatever its characters.
  _fw_dirs=$(command -p find "$_fw_d" -type d 2>/dev/null | command -p tr '/' '\001' | LC_ALL=C command -p sort -f | command -p tr '\001' '/')
  _fw_out=
  _fw_i=$IFS
  IFS=$_nl
  for _fw_dir in $_fw_dirs; do
    IFS=$_fw_i
    for _fw_item in "$@"; do
      case $_fw_item in
      *[*?]*)
        _forset files "${_fw_dir%/}/$_fw_item"
        _fw_out=$_fw_out$_r
        ;;
      *)
        _unq _fw_t "$_fw_item"
        _fw_out=$_fw_out${_fw_dir%/}/$_fw_t$_nl
        ;;
      esac
    done
  done
  IFS=$_fw_i
  _r=$_fw_out
}
