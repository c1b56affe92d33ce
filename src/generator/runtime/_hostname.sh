# _hostname [ARGUMENT]: hostname prints the machine's name. Given anything
# more, Windows' hostname refuses to set it (the one here would set it), with
# errorlevel 1.
# shellcheck disable=SC2120 # called with the words of the command, often none
_hostname() {
  if [ $# -gt 0 ]; then
    printf 'sethostname: Use the Network Control Panel Applet to set hostname.\n' >&2
    _el=1
    return 1
  fi
  command -p hostname 2>/dev/null || command -p uname -n
  _el=0
}
