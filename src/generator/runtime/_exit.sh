# _exit: ends the script with the errorlevel as its exit status. An errorlevel
# too large for an exit status keeps its low byte, or becomes 1, so that a
# failure never looks like success.
# shellcheck disable=SC2154 # _el is set by the script
_exit() {
  exit $((_el & 255 ? _el & 255 : _el != 0))
}
