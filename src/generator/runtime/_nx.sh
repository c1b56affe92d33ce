# _nx VAR TEXT: sets VAR to TEXT as a part of a set /a expression, where cmd
# puts a variable's text as it stands: a number, or arithmetic such as "3+4"
# that sh computes the same way. Text that is neither counts as the number it
# starts with, as _ni reads it.
# needs: _ni
_nx() {
  case $2 in
  *[!0-9\ +*/%\(\)\<\>\&\|^~!-]* | '') _ni "$1" "$2" ;;
  *)
    # shellcheck disable=SC2016
    if (eval ': $(( $2 ))' 2>/dev/null) 2>/dev/null; then
      eval "$1=\$2"
    else
      _ni "$1" "$2"
    fi
    ;;
  esac
}
