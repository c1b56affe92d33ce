# _ver: ver shows the system's name and version between empty lines, where cmd
# shows Windows'; errorlevel 0.
_ver() {
  printf '\n%s [Version %s]\n\n' "$(command -p uname -s)" "$(command -p uname -r)"
  _el=0
}
