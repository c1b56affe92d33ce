# _setshow PREFIX: "set prefix" shows the variables whose names start with
# PREFIX, in any case, sorted; errorlevel 1 when there is none.
_setshow() {
  if env | LC_ALL=C sort | awk -v p="$1" '
      BEGIN { p = toupper(p); found = 1 }
      toupper(substr($0, 1, length(p))) == p && index($0, "=") > 0 { print; found = 0 }
      END { exit found }'; then
    return 0
  fi
  printf 'Environment variable %s not defined\n' "$1" >&2
  _el=1
  return 1
}
