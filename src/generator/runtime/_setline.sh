# _setline TEXT: "set TEXT" for a text known only when the script runs, as
# call set gives it: "name=value", or the same in quotes.
# needs: _setvar
_setline() {
  _sl_t=$1
  case $_sl_t in
  \"*\"*)
    _sl_t=${_sl_t#\"}
    _sl_t=${_sl_t%\"*}
    ;;
  esac
  case $_sl_t in
  ?*=*) _setvar "${_sl_t%%=*}" "${_sl_t#*=}" ;;
  *)
    printf 'The syntax of the command is incorrect.\n' >&2
    _el=1
    return 1
    ;;
  esac
}
