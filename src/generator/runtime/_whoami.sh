# _whoami: whoami prints the account as Windows names it, in lower case: the
# machine's name (%COMPUTERNAME%), a backslash and the user's (%USERNAME%).
# needs: _lower
# shellcheck disable=SC2154 # _wha is set by _lower
_whoami() {
  _lower _wha "${COMPUTERNAME-$(command -p uname -n)}\\${USERNAME-$(command -p id -un)}"
  printf '%s\n' "$_wha"
  _el=0
}
