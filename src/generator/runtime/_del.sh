# _del [SWITCH...] NAME...: del deletes the files that match each name, with
# cmd's wildcards; /q deletes a whole folder's files without asking. A name
# that matches nothing gives cmd's message. The errorlevel is always 0.
# needs: _bs
_del() {
  _q=0
  for _a in "$@"; do
    case $_a in
    /[qQ]) _q=1 ;;
    esac
  done
  for _a in "$@"; do
    case $_a in
    /[a-zA-Z] | /[a-zA-Z]:*) continue ;;
    esac
    _bs _t "$_a"
    [ -d "$_t" ] && _t=${_t%/}/*
    case $_t in
    \* | \*.\* | */\* | */\*.\*)
      if [ "$_q" = 0 ]; then
        printf '%s, Are you sure (Y/N)? ' "$_a"
        IFS= read -r _t2 || _t2=
        case $_t2 in
        [yY]*) ;;
        *) continue ;;
        esac
      fi
      ;;
    esac
    _found=0
    _i=$IFS
    IFS=
    set +f
    for _f in $_t; do
      [ -f "$_f" ] || continue
      rm -f -- "$_f" && _found=1
    done
    set -f
    IFS=$_i
    if [ "$_found" = 0 ]; then
      case $_t in
      /*) printf 'Could Not Find %s\n' "$_t" >&2 ;;
      *) printf 'Could Not Find %s/%s\n' "$PWD" "$_t" >&2 ;;
      esac
    fi
  done
  _el=0
  return 0
}
