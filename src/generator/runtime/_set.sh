# _set NAME VALUE: "set name=value" with a value known only when the script
# runs: an empty value removes the variable.
_set() {
  if [ -n "$2" ]; then
    export "$1=$2"
  else
    unset "$1"
  fi
}
