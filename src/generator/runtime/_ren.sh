# _ren SOURCE NAME: ren gives the file or folder SOURCE (wildcards allowed) the
# new NAME in the same folder; "*.ext" in NAME keeps each name and changes its
# extension. Errorlevel 0, or cmd's message and 1.
# needs: _bs
_ren() {
  _bs _t "$1"
  _new=$2
  _n=0
  _rc=0
  _i=$IFS
  IFS=
  set +f
  for _f in $_t; do
    [ -e "$_f" ] || continue
    _dir=${_f%/*}
    [ "$_dir" = "$_f" ] && _dir=.
    _base=${_f##*/}
    case $_new in
    \*.*) _to=${_base%.*}.${_new#\*.} ;;
    *.\*) _to=${_new%.\*}.${_base##*.} ;;
    *) _to=$_new ;;
    esac
    if [ -e "$_dir/$_to" ]; then
      printf 'A duplicate file name exists, or the file\ncannot be found.\n' >&2
      _rc=1
      continue
    fi
    mv -- "$_f" "$_dir/$_to" && _n=$((_n + 1))
  done
  set -f
  IFS=$_i
  if [ "$_n" = 0 ] && [ "$_rc" = 0 ]; then
    printf 'The system cannot find the file specified.\n' >&2
    _rc=1
  fi
  _el=$_rc
  return "$_rc"
}
