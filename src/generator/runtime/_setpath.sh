# _setpath VALUE: sets PATH, whose folders cmd separates with ";" and sh with
# ":". An empty value removes it.
# needs: _bs
_setpath() {
  _bs _sp_t "$1"
  _sp_r=
  while :; do
    case $_sp_t in
    *\;*)
      _sp_r=$_sp_r${_sp_t%%;*}:
      _sp_t=${_sp_t#*;}
      ;;
    *) break ;;
    esac
  done
  if [ -n "$_sp_r$_sp_t" ]; then
    export PATH="$_sp_r$_sp_t"
  else
    unset PATH
  fi
}
