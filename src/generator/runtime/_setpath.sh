# _setpath VALUE: sets PATH, whose folders cmd separates with ";" and sh with
# ":". Each folder loses its quotes and goes through the drive mapping
# ("C:\tools" is /mnt/c/tools), and an empty one is left out; an empty
# value removes PATH.
# needs: _wp
_setpath() {
  _sp_t=$1\;
  _sp_r=
  while [ -n "$_sp_t" ]; do
    _sp_e=${_sp_t%%;*}
    _sp_t=${_sp_t#*;}
    while :; do
      case $_sp_e in
      *\"*) _sp_e=${_sp_e%%\"*}${_sp_e#*\"} ;;
      *) break ;;
      esac
    done
    # An empty folder is nothing to cmd, and the current folder to sh.
    [ -n "$_sp_e" ] || continue
    _wp _sp_e "$_sp_e"
    _sp_r=$_sp_r$_sp_e:
  done
  _sp_r=${_sp_r%:}
  if [ -n "$_sp_r" ]; then
    export PATH="$_sp_r"
  else
    unset PATH
  fi
}
# mksh finds printf in PATH: the script's own printf must outlive the PATH
# that the batch file sets.
case ${KSH_VERSION-} in
*MIRBSD*) printf() { command -p printf "$@"; } ;;
esac
