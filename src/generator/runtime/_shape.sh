# _shape HOW VAR LINE COMMAND [REST]: VAR holds an operand of the if in
# COMMAND, with its values in place. When it is one word as cmd reads words
# (blanks, commas, semicolons and equal signs outside quotes end one), VAR
# becomes that word. Otherwise cmd reads another statement. With HOW "stop"
# it is one that cmd cannot read: the batch file ends, with status 255. With
# "short", so is an empty operand when REST, what follows the command's word,
# is blank. Otherwise the statement cmd reads is not this one, which the
# script says, and fails with errorlevel 1 without running it.
# needs: _cargs _nl _nt
# shellcheck disable=SC2154 # _r is set by _cargs, _nl and _me by the script
_shape() {
  eval "_cargs \"\$$2\""
  case ${_r%"$_nl"} in
  ?*"$_nl"* | '') ;;
  *)
    eval "$2=\${_r%\"\$_nl\"}"
    return 0
    ;;
  esac
  if [ "$1" = stop ] || { [ "$1" = short ] && [ -z "$_r" ] && _cargs "$5" && [ -z "$_r" ]; }; then
    printf '%s: line %s: cmd cannot read this statement with its values in place: %s\n' \
      "$_me" "$3" "$4" >&2
    exit 255
  fi
  _nt "$3" "the values in its if change how cmd reads it: $4"
}
