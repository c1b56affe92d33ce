# _rd [/S] [/Q] FOLDER...: rd removes each folder: an empty one, or with /s
# everything in it, after asking unless /q. It leaves the errorlevel alone
# when it succeeds.
# needs: _bs
_rd() {
  _s=0
  _q=0
  for _a in "$@"; do
    case $_a in
    /[sS]) _s=1 ;;
    /[qQ]) _q=1 ;;
    esac
  done
  _rc=0
  for _a in "$@"; do
    case $_a in
    /[sSqQ]) continue ;;
    esac
    _bs _t "$_a"
    if [ ! -e "$_t" ]; then
      printf 'The system cannot find the file specified.\n' >&2
      _el=2
      _rc=1
    elif [ ! -d "$_t" ]; then
      printf 'The directory name is invalid.\n' >&2
      _el=267
      _rc=1
    elif [ "$_s" = 1 ]; then
      if [ "$_q" = 0 ]; then
        printf '%s, Are you sure (Y/N)? ' "$_a"
        IFS= read -r _t2 || _t2=
        case $_t2 in
        [yY]*) ;;
        *) continue ;;
        esac
      fi
      rm -rf -- "$_t" || _rc=1
    elif ! rmdir -- "$_t" 2>/dev/null; then
      printf 'The directory is not empty.\n' >&2
      _el=145
      _rc=1
    fi
  done
  return "$_rc"
}
