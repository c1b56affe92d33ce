# _curdrive: sets _cdl to the letter, in lower case, of the current drive:
# the drive whose folder holds the current folder (the longest such folder
# wins), or c when none does.
# shellcheck disable=SC2154 # _drives and _dlist are set by the script
_curdrive() {
  _cdt=$_dlist
  while [ -n "$_cdt" ]; do
    _cdl=${_cdt%%' '*}
    _cdt=${_cdt#"$_cdl"}
    _cdt=${_cdt#' '}
    eval "_cdf=\${_drv_$_cdl%/}"
    case $PWD/ in
    "$_cdf"/*) return 0 ;;
    esac
  done
  case $PWD/ in
  "${_drives%/}"/[abcdefghijklmnopqrstuvwxyz]/*)
    _cdl=${PWD#"${_drives%/}"/}
    _cdl=${_cdl%%/*}
    ;;
  *) _cdl=c ;;
  esac
}
