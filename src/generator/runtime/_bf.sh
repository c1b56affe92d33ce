# _bf: the batch file's own path, which %~f0, %~nx0 and the other modifiers
# of %0 read: the script's, with the batch file's extension (_bx) for .sh. A
# script run by another one's call finds its own path in _self. A script
# written away from its batch file is told the batch file's path in _bfp.
_bf=${_bfp:-${_self:-$0}}
# shellcheck disable=SC2154 # _bx is set by the script
case $_bf in
*.sh) _bf=${_bf%.sh}$_bx ;;
esac
