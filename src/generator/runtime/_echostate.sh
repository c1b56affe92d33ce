# _echostate: "echo" with no text shows whether echo is on.
_echostate() {
  printf 'ECHO is %s.\n' "${_eo:-on}"
}
