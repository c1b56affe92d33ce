# _attr PATH ATTRIBUTES: PATH has the attributes that dir, del and the like
# select with /a:ATTRIBUTES, letters that may each have a "-" before them to
# mean "not": d a folder, h hidden (its name starts with a dot), r read-only
# (not writable), l a link, a ready for archiving (any file). Nothing here is
# a system file (s) or left out of the index (i); other letters select
# everything.
_attr() {
  _att=$2
  _atn=
  while [ -n "$_att" ]; do
    _atc=${_att%"${_att#?}"}
    _att=${_att#?}
    case $_atc in
    -)
      _atn=1
      continue
      ;;
    [dD]) [ -d "$1" ] ;;
    [hH])
      case ${1##*/} in
      .*) : ;;
      *) false ;;
      esac
      ;;
    [rR]) [ ! -w "$1" ] ;;
    [lL]) [ -L "$1" ] ;;
    [aA]) [ ! -d "$1" ] ;;
    [sSiI]) false ;;
    *) : ;;
    esac
    _atv=$?
    if [ -n "$_atn" ]; then
      [ "$_atv" != 0 ] || return 1
    else
      [ "$_atv" = 0 ] || return 1
    fi
    _atn=
  done
  return 0
}
