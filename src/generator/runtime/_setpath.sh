# _setpath VALUE: sets PATH, whose folders cmd separates with ";" and sh with
# ":". An empty value removes it.
# needs: _bs
_setpath() {
  _bs _t "$1"
  _r=
  while :; do
    case $_t in
    *\;*)
      _r=$_r${_t%%;*}:
      _t=${_t#*;}
      ;;
    *) break ;;
    esac
  done
  if [ -n "$_r$_t" ]; then
    export PATH="$_r$_t"
  else
    unset PATH
  fi
}
