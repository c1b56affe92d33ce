# _pct VAR TEXT ARGUMENT...: sets VAR to TEXT read a second time for its
# percent forms, as call reads the command it runs: %% becomes %, %name% (and
# %name:edit%) the variable's value, %0 to %9 and %* the arguments, which are
# the ARGUMENTs after TEXT. A "%" that starts none of these is dropped.
# needs: _dvar
# shellcheck disable=SC2154 # _pc_x is set by _dvar, through eval
_pct() {
  _pc_v=$1
  _pc_t=$2
  shift 2
  _pc_o=
  while :; do
    case $_pc_t in
    *%*) ;;
    *) break ;;
    esac
    _pc_o=$_pc_o${_pc_t%%\%*}
    _pc_t=${_pc_t#*\%}
    case $_pc_t in
    %*)
      _pc_o=$_pc_o%
      _pc_t=${_pc_t#%}
      ;;
    0*)
      _pc_o=$_pc_o${_a0-}
      _pc_t=${_pc_t#?}
      ;;
    [1-9]*)
      _pc_d=${_pc_t%"${_pc_t#?}"}
      eval "_pc_o=\$_pc_o\${$_pc_d-}"
      _pc_t=${_pc_t#?}
      ;;
    \**)
      _pc_o=$_pc_o$*
      _pc_t=${_pc_t#?}
      ;;
    *%*)
      _dvar _pc_x "${_pc_t%%\%*}"
      _pc_o=$_pc_o$_pc_x
      _pc_t=${_pc_t#*\%}
      ;;
    esac
  done
  eval "$_pc_v=\$_pc_o\$_pc_t"
}
