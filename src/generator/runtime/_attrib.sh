# _attrib [+R | -R] [+A | -A] [+S | -S] [+H | -H] [+I | -I] PATH... [/S [/D]]
# [/L]: attrib makes the files that PATH names (cmd's wildcards, in any case;
# with /S in every folder below too; folders with /D) read-only (+R: no one
# may write them) or writable (-R: their owner may). Hidden, system, archive
# and index have no counterpart here and change nothing. A PATH that names
# nothing gives "File not found - PATH" and errorlevel 1. attrib without an
# attribute to set, which lists attributes, stops as not translated.
# needs: _wp _sw _wild _walk _nl
# shellcheck disable=SC2154 # _atp is set by _wp, _swp by _sw, _r by _wild and _walk
_attrib() {
  _ats=
  _atd=
  _atr=
  _atset=
  _atl=
  for _atw in "$@"; do
    _sw "$_atw"
    case $_swp$_atw in
    [+-][rR]) _atr=${_atw%?} _atset=1 ;;
    [+-][aAsShHiI]) _atset=1 ;;
    [-/][sS]) _ats=1 ;;
    [-/][dD]) _atd=1 ;;
    [-/][lL]) ;;
    [-/]?*)
      printf 'Parameter format not correct - %s\n' "$_atw"
      _el=1
      return 1
      ;;
    *) _atl=$_atl$_atw$_nl ;;
    esac
  done
  if [ -z "$_atset" ]; then
    printf '%s: not translated: attrib without an attribute to set\n' "$_me" >&2
    _el=1
    return 1
  fi
  _el=0
  while [ -n "$_atl" ]; do
    _atw=${_atl%%"$_nl"*}
    _atl=${_atl#*"$_nl"}
    _wp _atp "$_atw"
    _atm=f
    [ -n "$_atd" ] && _atm=
    if [ -n "$_ats" ]; then
      case $_atp in
      */*) _walk "$_atm" "${_atp%/*}" "${_atp##*/}" ;;
      *) _walk "$_atm" . "$_atp" ;;
      esac
    else
      _wild "${_atm}h" "$_atp"
    fi || {
      printf 'File not found - %s\n' "$_atw"
      _el=1
      continue
    }
    [ -n "$_atr" ] || continue
    _atx=${_r%"$_nl"}$_nl
    while [ -n "$_atx" ]; do
      _atf=${_atx%%"$_nl"*}
      _atx=${_atx#*"$_nl"}
      if [ "$_atr" = + ]; then
        command -p chmod a-w -- "$_atf"
      else
        command -p chmod u+w -- "$_atf"
      fi
    done
  done
  return "$_el"
}
