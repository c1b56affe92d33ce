# _setlocal [OPTION...]: opens a scope. Its endlocal, or the end of the batch
# file or call that opened it, gives back the variables and the current folder
# as they were here. setlocal sets errorlevel 0.
# needs: _endlocal
# shellcheck disable=SC2120 # the options are optional: a plain setlocal has none
_setlocal() {
  _sd=$((${_sd:-0} + 1))
  eval "_sv$_sd=\$(export -p) _sf$_sd=\$PWD _sx$_sd=\${_dx:-0}"
  for _o in "$@"; do
    case $_o in
    [eE][nN][aA][bB][lL][eE][dD][eE][lL][aA][yY][eE][dD][eE][xX][pP][aA][nN][sS][iI][oO][nN]) _dx=1 ;;
    [dD][iI][sS][aA][bB][lL][eE][dD][eE][lL][aA][yY][eE][dD][eE][xX][pP][aA][nN][sS][iI][oO][nN]) _dx=0 ;;
    esac
  done
  _el=0
}
