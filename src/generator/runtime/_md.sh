# _md FOLDER...: md makes each folder and the folders above it. One that is
# already there gives cmd's message and errorlevel 1; otherwise errorlevel 0.
# needs: _bs
_md() {
  _rc=0
  for _a in "$@"; do
    _bs _t "$_a"
    if [ -e "$_t" ]; then
      printf 'A subdirectory or file %s already exists.\n' "$_a" >&2
      _rc=1
    elif ! mkdir -p -- "$_t" 2>/dev/null; then
      printf 'The system cannot find the path specified.\n' >&2
      _rc=1
    fi
  done
  _el=$_rc
  return "$_rc"
}
