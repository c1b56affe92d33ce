# _path VAR TEXT: sets VAR to the file a redirection names: quotes left out,
# slashes for backslashes, and nul for the null device.
# needs: _wp
_path() {
  _t=$2
  case $_t in
  *\"*) _t=$(printf '%sx' "$_t" | command -p tr -d '"') _t=${_t%x} ;;
  esac
  case $_t in
  [nN][uU][lL] | [nN][uU][lL]:) _t=/dev/null ;;
  [cC][oO][nN] | [cC][oO][nN]:) _t=/dev/tty ;;
  esac
  _wp "$1" "$_t"
}
