# _type FILE...: type shows each file's bytes. With several files (or
# wildcards) each one's name comes first, on standard error as cmd writes it.
# Errorlevel 0, or cmd's message and 1 for a file that is not there.
# needs: _bs
_type() {
  _rc=0
  _many=0
  [ $# -gt 1 ] && _many=1
  for _a in "$@"; do
    _bs _t "$_a"
    case $_t in
    *[*?]*) _many=1 ;;
    esac
  done
  for _a in "$@"; do
    _bs _t "$_a"
    _found=0
    _i=$IFS
    IFS=
    set +f
    for _f in $_t; do
      [ -f "$_f" ] || continue
      _found=1
      [ "$_many" = 1 ] && printf '\n%s\n\n\n' "$_f" >&2
      cat -- "$_f"
    done
    set -f
    IFS=$_i
    if [ "$_found" = 0 ]; then
      printf 'The system cannot find the file specified.\n' >&2
      _rc=1
    fi
  done
  _el=$_rc
  return "$_rc"
}
