# _vn NAME: sets _r to the sh variable that holds the batch variable NAME, as
# the converter names them: upper case, or spelt out after an "x" when sh
# cannot hold the name as it is.
_vn() {
  _vn_t=$(printf '%s.' "$1" | command -p tr 'abcdefghijklmnopqrstuvwxyz' 'ABCDEFGHIJKLMNOPQRSTUVWXYZ')
  _vn_t=${_vn_t%.}
  case $_vn_t in
  '' | [0-9]* | _ | *[!A-Z0-9_]* | CDPATH | ENV | FCEDIT | HISTSIZE | IFS | LINENO | MAIL | \
    MAILCHECK | MAILPATH | OLDPWD | OPTARG | OPTIND | PPID | PS1 | PS2 | PS4 | PWD) ;;
  *)
    _r=$_vn_t
    return
    ;;
  esac
  _r=x
  while [ -n "$_vn_t" ]; do
    _vn_c=${_vn_t%"${_vn_t#?}"}
    case $_vn_c in
    [A-Z0-9]) _r=$_r$_vn_c ;;
    *) _r=$_r$(printf '_%02x' $(($(printf '%d' "'$_vn_c") & 255))) ;;
    esac
    _vn_t=${_vn_t#?}
  done
}
