# _trwalk FOLDER PREFIX: the lines of one folder's part of the tree, in a
# subshell of its own, since it calls itself for each folder below. _trf,
# _trt, _trl and _trv are _tree's: /F, and the pieces the lines are drawn
# with, as printf formats; PREFIX is one too.
# needs: _nl
# shellcheck disable=SC2154,SC2059 # set by _tree; the pieces are formats
_trwalk() {
  _trn=$(cd -- "$1" 2>/dev/null && set +f && for _trx in *; do
    [ -e "$_trx" ] || [ -L "$_trx" ] || continue
    printf '%s\n' "$_trx"
  done | LC_ALL=C command -p sort -f)
  _trds=
  _trfs=
  _trx=${_trn:+$_trn$_nl}
  while [ -n "$_trx" ]; do
    _trname=${_trx%%"$_nl"*}
    _trx=${_trx#*"$_nl"}
    if [ -d "$1/$_trname" ]; then
      _trds=$_trds$_trname$_nl
    else
      _trfs=$_trfs$_trname$_nl
    fi
  done
  if [ -n "$_trf" ] && [ -n "$_trfs" ]; then
    if [ -n "$_trds" ]; then _trc=$_trv; else _trc='    '; fi
    _trx=$_trfs
    while [ -n "$_trx" ]; do
      printf "$2$_trc%s\n" "${_trx%%"$_nl"*}"
      _trx=${_trx#*"$_nl"}
    done
    printf "$2$_trc\n"
  fi
  while [ -n "$_trds" ]; do
    _trname=${_trds%%"$_nl"*}
    _trds=${_trds#*"$_nl"}
    if [ -n "$_trds" ]; then
      printf "$2$_trt%s\n" "$_trname"
      (_trwalk "$1/$_trname" "$2$_trv")
    else
      printf "$2$_trl%s\n" "$_trname"
      (_trwalk "$1/$_trname" "$2    ")
    fi
  done
}
