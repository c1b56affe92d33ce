# _set NAME VALUE: "set name=value" with a value known only when the script
# runs: an empty value removes the variable.
# needs: _jr
_set() {
  [ -z "${_jc-}" ] || _jr "$1"
  if [ -n "$2" ]; then
    export "$1=$2"
  else
    unset "$1"
  fi
}
