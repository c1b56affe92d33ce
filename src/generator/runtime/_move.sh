# _move [SWITCH...] SOURCE DESTINATION: move moves the files SOURCE names, or
# a folder, to DESTINATION, a folder or a new name, and says how many it
# moved. Errorlevel 0, or cmd's message and 1.
# needs: _bs
_move() {
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
  _bs _t "$_src"
  _bs _d "${_dst:-.}"
  _n=0
  _dirs=0
  _i=$IFS
  IFS=
  set +f
  for _f in $_t; do
    [ -e "$_f" ] || continue
    if [ -d "$_d" ]; then
      mv -f -- "$_f" "${_d%/}/${_f##*/}" || continue
    else
      mv -f -- "$_f" "$_d" || continue
    fi
    if [ -d "${_d%/}/${_f##*/}" ] || [ -d "$_d" ] && [ ! -d "$_f" ] && [ -d "$_d/${_f##*/}" ]; then
      _dirs=1
    fi
    _n=$((_n + 1))
  done
  set -f
  IFS=$_i
  if [ "$_n" = 0 ]; then
    printf 'The system cannot find the file specified.\n' >&2
    _el=1
    return 1
  fi
  if [ "$_dirs" = 1 ]; then
    printf '%9d dir(s) moved.\n' "$_n"
  else
    printf '%9d file(s) moved.\n' "$_n"
  fi
  _el=0
}
