# _gt VAR TEXT: sets VAR to TEXT when it can stand as one operand of a set /a
# expression, where TEXT was put together from an expansion and what is
# written against it ("1%sec%", "count%i%"): a number cmd accepts, or a name.
# Returns 1 otherwise, where cmd would have read more than one operand or
# refused the number.
_gt() {
  case $2 in
  '' | *[' 	"()!~*/%+<>&^|=,:-']*) return 1 ;;
  0[xX]*)
    case ${2#??} in
    '' | *[!0-9a-fA-F]*) return 1 ;;
    esac
    ;;
  0*)
    case $2 in
    *[!0-7]*) return 1 ;;
    esac
    ;;
  [1-9]*)
    case $2 in
    *[!0-9]*) return 1 ;;
    esac
    ;;
  esac
  case $2 in
  [0-9]*)
    # Decimal numbers stop at 31 bits, others at 32.
    [ ${#2} -le 12 ] || return 1
    _gt_n=$(($2))
    case $2 in
    0*) [ "$_gt_n" -le 4294967295 ] || return 1 ;;
    *) [ "$_gt_n" -le 2147483647 ] || return 1 ;;
    esac
    ;;
  esac
  eval "$1=\$2"
}
