# _vn NAME: sets _r to the sh variable that holds the batch variable NAME, as
# the converter names them: upper case, or spelt out after an "x" when sh
# cannot hold the name as it is.
_vn() {
  _vn_t=$(printf '%s.' "$1" | command -p tr 'abcdefghijklmnopqrstuvwxyz' 'ABCDEFGHIJKLMNOPQRSTUVWXYZ')
  _vn_t=${_vn_t%.}
  case $_vn_t in
  '' | [0-9]* | _ | *[!A-Z0-9_]* | ARGC | BASHOPTS | BASHPID | BASH_ARGV0 | \
    BASH_COMPAT | BASH_ENV | CDPATH | COMMAND_NOT_FOUND_HANDLER | \
    ECHO_STYLE | EGID | ENV | EPOCHREALTIME | EPOCHSECONDS | ERRNO | EUID | \
    FCEDIT | FPATH | FUNCNAME | GID | GLOBIGNORE | GROUPS | HISTCMD | \
    HISTFILE | HISTSIZE | IFS | KSHEGID | KSHGID | KSHUID | LINENO | MAIL | \
    MAILCHECK | MAILPATH | OLDPWD | OPTARG | OPTIND | PGRP | PIPESTATUS | \
    POSIXLY_CORRECT | PPID | PS1 | PS2 | PS4 | PWD | RANDOM | SECONDS | \
    SHELLOPTS | SRANDOM | TMOUT | TTYIDLE | UID | USERNAME | USER_ID) ;;
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
