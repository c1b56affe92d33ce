# _setp NAME PROMPT: "set /p": shows PROMPT and reads a line. An empty line or
# the end of the input leaves the variable as it was, with errorlevel 1.
_setp() {
  printf '%s' "$2"
  if IFS= read -r _t || [ -n "$_t" ]; then
    _t=${_t%"$(printf '\r')"}
    if [ -n "$_t" ]; then
      export "$1=$_t"
      return 0
    fi
  fi
  _el=1
  return 1
}
