# _timeout [/T] SECONDS [/NOBREAK]: timeout waits SECONDS (-1: until a key),
# counting down on the terminal; a key ends the wait unless /nobreak. Like
# cmd's, it refuses input that is not a terminal, at once: "ERROR: Input
# redirection is not supported, exiting the process immediately." and
# errorlevel 1. Exit status, and errorlevel: 0 after the wait, 1 for a wrong
# command.
_timeout() {
  _tos=
  _ton=0
  _tot=0
  for _tow in "$@"; do
    if [ "$_tot" = 1 ]; then
      _tos=$_tow
      _tot=0
      continue
    fi
    case $_tow in
    /[tT]) _tot=1 ;;
    /[nN][oO][bB][rR][eE][aA][kK]) _ton=1 ;;
    *) _tos=$_tow ;;
    esac
  done
  case $_tos in
  '' | *[!0-9-]* | ?*-* | -) _tos=x ;;
  esac
  if [ "$_tos" = x ] || [ "$_tos" -lt -1 ] || [ "$_tos" -gt 99999 ]; then
    printf 'ERROR: Invalid syntax. The value for /T must be from -1 to 99999.\n' >&2
    _el=1
    return 1
  fi
  if [ ! -t 0 ]; then
    printf 'ERROR: Input redirection is not supported, exiting the process immediately.\n' >&2
    _el=1
    return 1
  fi
  _tok='press a key to continue ...'
  [ "$_ton" = 1 ] && _tok='press CTRL+C to quit ...'
  _totty=$(command -p stty -g)
  command -p stty -icanon -echo min 0 time 10
  if [ "$_tos" = -1 ]; then
    printf '\nPress any key to continue ...'
    command -p stty min 1 time 0
    command -p dd bs=1 count=1 >/dev/null 2>&1
  else
    printf '\n'
    while [ "$_tos" -gt 0 ]; do
      printf '\rWaiting for %2d seconds, %s' "$_tos" "$_tok"
      if [ "$_ton" = 1 ]; then
        command -p sleep 1
      elif [ -n "$(command -p dd bs=1 count=1 2>/dev/null)" ]; then
        break
      fi
      _tos=$((_tos - 1))
    done
    printf '\rWaiting for %2d seconds, %s' "$_tos" "$_tok"
  fi
  command -p stty "$_totty"
  printf '\n'
  _el=0
}
