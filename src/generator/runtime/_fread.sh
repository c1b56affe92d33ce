# _fread VAR FILE...: sets VAR to the lines of the files, one file after the
# other and without carriage returns, as for /f reads them. A file that is not
# there gives cmd's message, and the loop reads nothing.
# needs: _wp _nl
# shellcheck disable=SC2154 # _fr_p is set by _wp, through eval; _nl by _nl
_fread() {
  _fr_v=$1
  shift
  _fr_t=
  for _fr_f in "$@"; do
    _wp _fr_p "$_fr_f"
    if [ ! -f "$_fr_p" ]; then
      printf 'The system cannot find the file %s.\n' "$_fr_f" >&2
      eval "$_fr_v="
      return 1
    fi
    _fr_t=$_fr_t$(command -p tr -d '\r' <"$_fr_p")$_nl
  done
  eval "$_fr_v=\$_fr_t"
}
