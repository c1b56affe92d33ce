# _copy [SWITCH...] SOURCE [DESTINATION]: copy copies the files that SOURCE
# names (with wildcards, or joined with +) into DESTINATION, a folder or a
# file, by default the current folder, and says how many it copied.
# Errorlevel 0, or 1 when there was nothing to copy.
# needs: _bs
_copy() {
  _src=
  _dst=
  for _a in "$@"; do
    case $_a in
    /[a-zA-Z] | /-[a-zA-Z]) continue ;;
    esac
    if [ -z "$_src" ]; then
      _src=$_a
    else
      _dst=$_a
    fi
  done
  _bs _d "${_dst:-.}"
  _n=0
  _join=0
  case $_src in
  *+*) _join=1 ;;
  esac
  _i=$IFS
  IFS=+
  for _part in $_src; do
    IFS=
    _bs _t "$_part"
    [ -d "$_t" ] && _t=${_t%/}/*
    set +f
    for _f in $_t; do
      [ -f "$_f" ] || continue
      if [ -d "$_d" ]; then
        _to=${_d%/}/${_f##*/}
      else
        _to=$_d
      fi
      if [ "$_join" = 1 ] && [ "$_n" -gt 0 ]; then
        cat -- "$_f" >>"$_to" || continue
      else
        [ "$_f" -ef "$_to" ] && continue
        cp -- "$_f" "$_to" || continue
      fi
      _n=$((_n + 1))
    done
    set -f
    IFS=+
  done
  IFS=$_i
  if [ "$_n" = 0 ]; then
    printf 'The system cannot find the file specified.\n' >&2
    printf '        0 file(s) copied.\n'
    _el=1
    return 1
  fi
  [ "$_join" = 1 ] && _n=1
  printf '%9d file(s) copied.\n' "$_n"
  _el=0
}
