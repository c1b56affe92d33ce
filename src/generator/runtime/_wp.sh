# _wp VAR TEXT: sets VAR to the file that the Windows path TEXT names here. A
# drive ("C:\x", "c:x", "D:") or the root of the current drive ("\x", "\")
# goes through the drive mapping: "c:x" is in the current folder when C: is
# the current drive, and at the drive's root otherwise. A path that starts
# with a slash is this system's already (as %~dp0 and %CD% give) and stays as
# it is, and so does a network path ("\\server\share"). Every backslash
# becomes a slash.
# needs: _bs _drive _curdrive
# shellcheck disable=SC2154 # _dvl is set by _drive, _cdl by _curdrive
_wp() {
  _wpt=$2
  case $_wpt in
  [ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz]:*)
    _drive _wpd "${_wpt%"${_wpt#?}"}"
    _wpt=${_wpt#??}
    case $_wpt in
    [\\/]*) _wpt=${_wpd%/}$_wpt ;;
    *)
      _curdrive
      if [ "$_cdl" = "$_dvl" ]; then
        _wpt=${_wpt:-.}
      else
        _wpt=${_wpd%/}/$_wpt
      fi
      ;;
    esac
    ;;
  \\\\*) ;;
  \\*)
    _curdrive
    _drive _wpd "$_cdl"
    _wpt=${_wpd%/}$_wpt
    ;;
  esac
  _bs "$1" "$_wpt"
}
