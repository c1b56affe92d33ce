# _echo TEXT: echo whose text came from expansions alone, as cmd reads it when
# it runs: blank text shows the echo state, "on" or "off" (in any case, with
# blanks around) sets it, and anything else is printed.
# needs: _echostate
_echo() {
  _ect=${1#"${1%%[!\ \	]*}"}
  _ect=${_ect%"${_ect##*[!\ \	]}"}
  case $_ect in
  '') _echostate ;;
  [oO][nN]) _eo=on ;;
  [oO][fF][fF]) _eo=off ;;
  *) printf '%s\n' "$1" ;;
  esac
}
