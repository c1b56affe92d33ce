# _nt LINE COMMAND: a command that has no translation. The script says so and
# the command fails with errorlevel 1, as one that cmd cannot run does.
# shellcheck disable=SC2154 # _me is set by the script
_nt() {
  printf '%s: line %s: not translated: %s\n' "$_me" "$1" "$2" >&2
  _el=1
  return 1
}
