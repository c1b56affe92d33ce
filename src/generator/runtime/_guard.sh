# _guard COMMAND PATH: fails, with one line on standard error that names the
# command, the path and the reason, when PATH is a place that no converted
# script may remove, move or overwrite: the root, a file or folder directly in
# it, the home folder itself, anything in the system's own folders, or the
# folder of a drive itself. The batch file was written for a system where such
# a path meant a drive of its own; here it is the system. The path is made
# absolute and its "." and ".." are resolved first. The null device and the
# terminal may be copied to. A script converted with
# --no-preserve-root lets everything through.
# shellcheck disable=SC2154 # _me, _drives and _dlist are set by the script
_guard() {
  [ "${_nopr-}" = 1 ] && return 0
  _gdp=$2
  case $_gdp in
  /*) ;;
  *) _gdp=$PWD/$_gdp ;;
  esac
  case $_gdp/ in
  *//* | */./* | */../*)
    _gdo=
    _gdt=${_gdp#/}/
    while [ -n "$_gdt" ]; do
      _gds=${_gdt%%/*}
      _gdt=${_gdt#*/}
      case $_gds in
      '' | .) ;;
      ..) _gdo=${_gdo%/*} ;;
      *) _gdo=$_gdo/$_gds ;;
      esac
    done
    _gdp=${_gdo:-/}
    ;;
  esac
  _gdr=
  case $_gdp in
  /) _gdr='the root of the system' ;;
  /var/tmp/*) ;;
  /dev/null | /dev/tty | /dev/stdout | /dev/stderr)
    # Written to, as nul and con are; never removed or moved.
    case $1 in
    copy | xcopy) ;;
    *) _gdr='a system folder' ;;
    esac
    ;;
  /usr/* | /etc/* | /bin/* | /boot/* | /sbin/* | /lib/* | /lib[0-9x]*/* | /proc/* | /sys/* | /dev/* | /var/*)
    _gdr='a system folder'
    ;;
  /*/*) ;;
  *) _gdr='directly in /' ;;
  esac
  if [ -z "$_gdr" ] && [ "$_gdp" = "${HOME%/}" ]; then
    _gdr='the home folder'
  fi
  if [ -z "$_gdr" ]; then
    _gdt="$_dlist "
    while [ -n "$_gdt" ]; do
      _gds=${_gdt%%' '*}
      _gdt=${_gdt#*' '}
      [ -n "$_gds" ] || continue
      eval "_gdo=\${_drv_$_gds%/}"
      if [ "$_gdp" = "${_gdo:-/}" ]; then
        _gdr="the folder of drive $_gds:"
      fi
    done
    case $_gdp in
    "${_drives%/}"/[abcdefghijklmnopqrstuvwxyz])
      _gdr="the folder of drive ${_gdp##*/}:"
      ;;
    esac
  fi
  [ -z "$_gdr" ] && return 0
  printf '%s: %s: refused: %s: %s\n' "$_me" "$1" "$_gdp" "$_gdr" >&2
  _el=1
  return 1
}
