# _md FOLDER...: md and mkdir make each folder and the folders above it that
# are missing (names found in any case). A folder or file that is already
# there, a name with a wildcard in it, or one that cannot be made gives cmd's
# message; errorlevel 1 if any did, otherwise 0. "md nul" makes nothing.
# needs: _wp _ci
# shellcheck disable=SC2154
_md() {
  if [ $# -eq 0 ]; then
    printf 'The syntax of the command is incorrect.\n' >&2
    _el=1
    return 1
  fi
  _mkr=0
  for _mka in "$@"; do
    _wp _mkt "$_mka"
    case $_mkt in
    [nN][uU][lL]) continue ;;
    esac
    _ci _mkt "$_mkt"
    if [ -e "$_mkt" ]; then
      printf 'A subdirectory or file %s already exists.\n' "$_mka" >&2
      _mkr=1
      continue
    fi
    case $_mkt in
    *[*?]*)
      # The folders above the first name with a wildcard are made.
      _mkp=${_mkt%%[*?]*}
      case $_mkp in
      */*) mkdir -p -- "${_mkp%/*}" 2>/dev/null ;;
      esac
      printf 'The filename, directory name, or volume label syntax is incorrect.\n' >&2
      _mkr=1
      continue
      ;;
    esac
    if ! command -p mkdir -p -- "$_mkt" 2>/dev/null; then
      # The nearest folder above that is there says why.
      _mkp=$_mkt
      while :; do
        case $_mkp in
        */*) _mkp=${_mkp%/*} ;;
        *) _mkp=. ;;
        esac
        [ -e "${_mkp:-/}" ] && break
      done
      if [ -d "${_mkp:-/}" ]; then
        printf 'Access is denied.\n' >&2
      else
        printf 'The system cannot find the path specified.\n' >&2
      fi
      _mkr=1
    fi
  done
  _el=$_mkr
  return "$_mkr"
}
