# _cd PATH: cd: the whole text is one folder name, quotes and trailing spaces
# aside. Errorlevel 0, or cmd's message and errorlevel 1.
# needs: _bs
_cd() {
  _t=$1
  case $_t in
  *\"*) _t=$(printf '%sx' "$_t" | tr -d '"') _t=${_t%x} ;;
  esac
  while :; do
    case $_t in
    *' ') _t=${_t% } ;;
    *) break ;;
    esac
  done
  _bs _t "$_t"
  case $_t in
  /*) ;;
  *) _t=./$_t ;;
  esac
  if cd -- "$_t" 2>/dev/null; then
    _el=0
    return 0
  fi
  printf 'The system cannot find the path specified.\n' >&2
  _el=1
  return 1
}
