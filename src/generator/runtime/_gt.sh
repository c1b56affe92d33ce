# _gt VAR TEXT: sets VAR to TEXT when it can stand as one operand of a set /a
# expression, where TEXT was put together from an expansion and what is
# written against it ("1%sec%", "count%i%"): a number cmd accepts, or a name.
# Returns 1 otherwise, where cmd would have read more than one operand or
# refused the number.
_gt() {
  case $2 in
  '' | *[' 	"()!~*/%+<>&^|=,:-']*) return 1 ;;
  [!0-9]*) ;;
  ?????????????*) return 1 ;;
  0[xX]*)
    # Up to 32 bits: eight digits after the leading zeros.
    _gt_d=${2#??}
    case $_gt_d in
    '' | *[!0-9a-fA-F]*) return 1 ;;
    esac
    _gt_d=${_gt_d#"${_gt_d%%[!0]*}"}
    case $_gt_d in
    ?????????*) return 1 ;;
    esac
    ;;
  0*)
    # Up to 32 bits: 37777777777, eleven digits after the leading zeros.
    case $2 in
    *[!0-7]*) return 1 ;;
    esac
    _gt_d=${2#"${2%%[!0]*}"}
    case $_gt_d in
    ????????????* | [4-7]??????????) return 1 ;;
    esac
    ;;
  *)
    # Up to 2147483647. The digits are counted and compared as text, not
    # as numbers, which a shell with 32-bit arithmetic could not hold.
    case $2 in
    *[!0-9]* | ???????????*) return 1 ;;
    ??????????)
      _gt_d=${2%?????}
      if [ "$_gt_d" -gt 21474 ] || { [ "$_gt_d" -eq 21474 ] && [ "${2#?????}" -gt 83647 ]; }; then
        return 1
      fi
      ;;
    esac
    ;;
  esac
  eval "$1=\$2"
}
