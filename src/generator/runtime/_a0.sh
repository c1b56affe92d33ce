# _a0: %0, the name the script was started with, the batch file's rather than
# the script's (build.bat for build.sh, with the extension in _bx); a call
# sets it to the label, and a batch file run by another gets the name its
# caller wrote.
_a0=${_self:-$0}
# shellcheck disable=SC2154 # _bx is set by the script
case $_a0 in
*.sh) _a0=${_a0%.sh}$_bx ;;
esac
