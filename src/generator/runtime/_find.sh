# _find [/V] [/C] [/N] [/I] STRING [FILE...]: find shows the lines of each
# FILE (cmd's wildcards, in any case), or of its input, that hold STRING: /i
# in any case, /v the lines that do not, /n with their numbers ("[3]text"),
# /c only how many. An empty STRING is in no line. Each file's lines come
# after "---------- NAME" (in upper case) and an empty line, even when none
# matches; its count goes on that line ("---------- NAME: 2"). Exit status,
# and errorlevel: 0 when a line was shown or counted, 1 when none was, 2 for
# a file that is not there or a wrong command.
# needs: _wp _wild _upper _nl _sw
# shellcheck disable=SC2154
_find() {
  _fiv=
  _fic=
  _fin=
  _fii=
  _fis=
  _fiq=0
  _fif=0
  for _fiw in "$@"; do
    _sw "$_fiw"
    case $_swp$_fiw in
    /*)
      # Switches may come after the string and the files too.
      case $_fiw in
      /[vV]) _fiv=1 ;;
      /[cC]) _fic=1 ;;
      /[nN]) _fin=1 ;;
      /[iI]) _fii=1 ;;
      /[oO][fF][fF] | /[oO][fF][fF][lL][iI][nN][eE]) ;;
      *)
        printf 'FIND: Parameter format not correct\n' >&2
        _el=2
        return 2
        ;;
      esac
      continue
      ;;
    esac
    if [ "$_fiq" = 0 ]; then
      _fis=$_fiw
      _fiq=1
    else
      _fif=1
    fi
  done
  if [ "$_fiq" = 0 ]; then
    printf 'FIND: Parameter format not correct\n' >&2
    _el=2
    return 2
  fi
  if [ "$_fif" = 0 ]; then
    _figrep ''
    _el=$?
    return "$_el"
  fi
  _fir=1
  _fie=0
  _fiq=0
  for _fiw in "$@"; do
    _sw "$_fiw"
    case $_swp$_fiw in
    /*) continue ;;
    esac
    if [ "$_fiq" = 0 ]; then
      _fiq=1
      continue
    fi
    _wp _fit "$_fiw"
    if ! _wild f "$_fit"; then
      _upper _fit "$_fiw"
      printf 'File not found - %s\n' "$_fit" >&2
      _fie=1
      continue
    fi
    _fil=$_r
    while [ -n "$_fil" ]; do
      _fit=${_fil%%"$_nl"*}
      _fil=${_fil#*"$_nl"}
      case $_fiw in
      *[*?]*) _upper _fih "${_fiw%"${_fiw##*[\\/]}"}${_fit##*/}" ;;
      *) _upper _fih "$_fiw" ;;
      esac
      _figrep "---------- $_fih" <"$_fit" && _fir=0
    done
  done
  [ "$_fir" = 1 ] && [ "$_fie" = 1 ] && _fir=2
  _el=$_fir
  return "$_fir"
}

# _figrep HEADER: find's search of its input, with HEADER first unless empty.
_figrep() {
  _fih=$1 _fis=$_fis _fiv=$_fiv _fic=$_fic _fin=$_fin _fii=$_fii LC_ALL=C command -p awk '
    BEGIN {
      s = ENVIRON["_fis"]; h = ENVIRON["_fih"]
      v = ENVIRON["_fiv"] != ""; c = ENVIRON["_fic"] != ""
      n = ENVIRON["_fin"] != ""; i = ENVIRON["_fii"] != ""
      if (i) s = tolower(s)
      if (h != "" && !c) printf "\n%s\n", h
    }
    {
      l = $0
      sub(/\r$/, "", l)
      if (i) l = tolower(l)
      m = s != "" && index(l, s) > 0
      if (v) m = !m
      if (!m) next
      k++
      if (c) next
      if (n) printf "[%d]%s\n", NR, $0
      else print
    }
    END {
      if (c) {
        if (h != "") printf "\n%s: %d\n", h, k
        else printf "%d\n", k
      }
      exit k ? 0 : 1
    }'
}
