# _labword TEXT: reads a label's name from the text of a jump whose label is
# known only when the script runs, as cmd reads it: separators and one colon
# go (_lab_c is ":" when there was one), the name ends at the first byte that
# ends a label's name (_lab_w, as written), and _lab_n is it in lower case.
# needs: _lower
_labword() {
  _lab_t=$1
  while :; do
    case $_lab_t in
    [' 	,;=']*) _lab_t=${_lab_t#?} ;;
    *) break ;;
    esac
  done
  _lab_c=
  case $_lab_t in
  :*) _lab_c=: _lab_t=${_lab_t#:} ;;
  esac
  _lab_w=${_lab_t%%[' 	,;=+:&|<>']*}
  _lower _lab_n "$_lab_w"
}
