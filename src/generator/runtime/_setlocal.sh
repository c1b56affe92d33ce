# _setlocal [OPTION...]: opens a scope. Its endlocal, or the end of the batch
# file or call that opened it, gives back the variables and the current folder
# as they were here. setlocal sets errorlevel 0.
# Variables are not copied here: while a scope is open (_jc names it), each
# variable keeps its value with _jr just before its first change in the scope,
# and _endlocal gives back only those.
# needs: _endlocal _jr
# shellcheck disable=SC2120 # the options are optional: a plain setlocal has none
_setlocal() {
  _sd=$((${_sd:-0} + 1))
  _jn=$((${_jn:-0} + 1))
  eval "_jp$_sd=\${_jc-} _jl$_sd= _sf$_sd=\$PWD _sx$_sd=\${_dx:-0}"
  _jc=$_jn
  for _o in "$@"; do
    case $_o in
    [eE][nN][aA][bB][lL][eE][dD][eE][lL][aA][yY][eE][dD][eE][xX][pP][aA][nN][sS][iI][oO][nN]) _dx=1 ;;
    [dD][iI][sS][aA][bB][lL][eE][dD][eE][lL][aA][yY][eE][dD][eE][xX][pP][aA][nN][sS][iI][oO][nN]) _dx=0 ;;
    esac
  done
  _el=0
}
