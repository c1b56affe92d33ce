# _setshow PREFIX: "set prefix" shows the variables whose names start with
# PREFIX, in any case, sorted as cmd sorts them; errorlevel 1 when there is
# none. Names show in upper case, as this script keeps them, and names that
# sh cannot hold show as the batch file wrote them.
# needs: _winenv
_setshow() {
  _sh_o=$(command -p env | command -p awk -v p="$1" '
    BEGIN { p = toupper(p) }
    {
      eq = index($0, "=")
      if (eq == 0) next
      name = substr($0, 1, eq - 1)
      if (name ~ /^x([A-Z0-9]|_[0-9a-f][0-9a-f])+$/) {
        decoded = ""
        for (i = 2; i <= length(name); i++) {
          c = substr(name, i, 1)
          if (c == "_") {
            decoded = decoded sprintf("%c", index("0123456789abcdef", substr(name, i + 1, 1)) * 16 - 16 + index("0123456789abcdef", substr(name, i + 2, 1)) - 1)
            i += 2
          } else {
            decoded = decoded c
          }
        }
        name = decoded
      }
      if (toupper(substr(name, 1, length(p))) == p) print name substr($0, eq)
    }' | LC_ALL=C command -p sort -f)
  if [ -n "$_sh_o" ]; then
    printf '%s\n' "$_sh_o"
    return 0
  fi
  printf 'Environment variable %s not defined\n' "$1" >&2
  _el=1
  return 1
}
