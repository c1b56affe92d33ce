# _findstr [SWITCH...] STRINGS [FILE...]: findstr shows the lines of each FILE
# (cmd's wildcards, in any case; with /s in the folders below too), or of its
# input, that match one of the search strings: the words of STRINGS, or each
# /c:STRING whole, or the lines of /g:FILE. Plain strings are regular
# expressions (findstr's: . * ^ $ [class] \x \< \>, turned into awk's), /c:
# and /g: strings are literal; /r and /l make all of them one or the other.
# /i ignores case, /b, /e and /x match at the start, the end or the whole
# line, /v shows the lines that do not match, /n numbers them ("4:text"), /m
# shows only the names of the files that match, /o the offsets of the lines.
# With several files, wildcards or /s, each line starts with its file's name
# ("NAME:text"). Exit status, and errorlevel: 0 when a line matched, 1 when
# none did, 2 for a wrong command.
# needs: _wp _wild _walk _nl _sw
# shellcheck disable=SC2154
_findstr() {
  _fsb=
  _fse=
  _fsx=
  _fsi=
  _fsv=
  _fsn=
  _fsm=
  _fso=
  _fss=0
  _fsmode=
  _fsp=
  _fsc=0
  _fslist=
  _fsfiles=
  _fsgot=0
  for _fsw in "$@"; do
    _sw "$_fsw"
    case $_swp$_fsw in
    /[cC]:*)
      _fsp=$_fsp'L'${_fsw#???}$_nl
      _fsc=1
      continue
      ;;
    /[gG]:*)
      _wp _fst "${_fsw#???}"
      if [ ! -f "$_fst" ]; then
        printf 'FINDSTR: Cannot open %s\n' "${_fsw#???}" >&2
        _el=2
        return 2
      fi
      while IFS= read -r _fsl || [ -n "$_fsl" ]; do
        _fsl=${_fsl%"$(printf '\r')"}
        [ -n "$_fsl" ] && _fsp=$_fsp'L'$_fsl$_nl
      done <"$_fst"
      _fsc=1
      continue
      ;;
    /[fF]:*)
      _wp _fst "${_fsw#???}"
      while IFS= read -r _fsl || [ -n "$_fsl" ]; do
        _fsl=${_fsl%"$(printf '\r')"}
        [ -n "$_fsl" ] && _fsfiles=$_fsfiles$_fsl$_nl
      done <"$_fst"
      continue
      ;;
    /[aAdD]:*) continue ;;
    /*)
      _fsw=${_fsw#/}
      while [ -n "$_fsw" ]; do
        _fsk=${_fsw%"${_fsw#?}"}
        _fsw=${_fsw#?}
        case $_fsk in
        [bB]) _fsb=1 ;;
        [eE]) _fse=1 ;;
        [xX]) _fsx=1 ;;
        [iI]) _fsi=1 ;;
        [vV]) _fsv=1 ;;
        [nN]) _fsn=1 ;;
        [mM]) _fsm=1 ;;
        [oO]) _fso=1 ;;
        [sS]) _fss=1 ;;
        [lL]) _fsmode=L ;;
        [rR]) _fsmode=R ;;
        [pP] | /) ;;
        *)
          printf 'FINDSTR: /%s ignored\n' "$_fsk" >&2
          ;;
        esac
      done
      continue
      ;;
    esac
    if [ "$_fsc" = 0 ] && [ "$_fsgot" = 0 ]; then
      # The words of STRINGS are search strings of their own.
      _fsgot=1
      _fsq=$_fsw
      while [ -n "$_fsq" ]; do
        _fsl=${_fsq%%' '*}
        [ -n "$_fsl" ] && _fsp=$_fsp'R'$_fsl$_nl
        case $_fsq in
        *' '*) _fsq=${_fsq#*' '} ;;
        *) _fsq= ;;
        esac
      done
      continue
    fi
    _fsfiles=$_fsfiles$_fsw$_nl
  done
  if [ -z "$_fsp" ]; then
    printf 'FINDSTR: Bad command line\n' >&2
    _el=2
    return 2
  fi
  if [ -z "$_fsfiles" ]; then
    _fsgrep ''
    _el=$?
    return "$_el"
  fi
  # The files, each with the name to show for it.
  _fsmany=$_fss
  case $_fsfiles in
  *"$_nl"?* | *[*?]*) _fsmany=1 ;;
  esac
  _fsr=1
  while [ -n "$_fsfiles" ]; do
    _fsw=${_fsfiles%%"$_nl"*}
    _fsfiles=${_fsfiles#*"$_nl"}
    _wp _fst "$_fsw"
    _fsshow=${_fsw%"${_fsw##*[\\/]}"}
    if [ "$_fss" = 1 ]; then
      case $_fst in
      */*) _walk f "${_fst%/*}" "${_fst##*/}" ;;
      *) _walk f . "$_fst" ;;
      esac
    else
      _wild f "$_fst"
    fi || {
      printf 'FINDSTR: Cannot open %s\n' "$_fsw" >&2
      continue
    }
    _fsl=$_r
    while [ -n "$_fsl" ]; do
      _fsf=${_fsl%%"$_nl"*}
      _fsl=${_fsl#*"$_nl"}
      _fsh=
      if [ "$_fsmany" = 1 ] || [ -n "$_fsm" ]; then
        if [ "$_fss" = 1 ]; then
          # The path below the current folder, as cmd writes it.
          _fsq=${_fsf#./}
          _fsh=
          while :; do
            case $_fsq in
            */*)
              _fsh=$_fsh${_fsq%%/*}\\
              _fsq=${_fsq#*/}
              ;;
            *) break ;;
            esac
          done
          _fsh=$_fsh$_fsq
        else
          _fsh=$_fsshow${_fsf##*/}
        fi
      fi
      _fsgrep "$_fsh" <"$_fsf" && _fsr=0
    done
  done
  _el=$_fsr
  return "$_fsr"
}

# _fsgrep NAME: findstr's search of its input; NAME, when there is one, goes
# before each line it shows.
_fsgrep() {
  _fsh=$1 _fsp=$_fsp _fsmode=$_fsmode _fsb=$_fsb _fse=$_fse _fsx=$_fsx _fsi=$_fsi \
    _fsv=$_fsv _fsn=$_fsn _fsm=$_fsm _fso=$_fso LC_ALL=C command -p awk '
    # A findstr expression as an awk one. Characters that are special in
    # awk but not in findstr stand for themselves.
    function ere(s,    r, c, k, t) {
      r = ""
      while (s != "") {
        c = substr(s, 1, 1)
        s = substr(s, 2)
        if (c == "\\") {
          c = substr(s, 1, 1)
          s = substr(s, 2)
          if (c == "<") r = r "(^|[^A-Za-z0-9_])"
          else if (c == ">") r = r "([^A-Za-z0-9_]|$)"
          else r = r lit(c)
        } else if (c == "[") {
          k = index(substr(s, (substr(s, 1, 1) == "^") ? 3 : 2), "]")
          if (k == 0) { r = r "[[]"; continue }
          k += (substr(s, 1, 1) == "^") ? 2 : 1
          t = substr(s, 1, k - 1)
          gsub(/\\/, "\\\\", t)
          r = r "[" t "]"
          s = substr(s, k + 1)
        } else if (c == "*" && r == "") r = "[*]"
        else if (index("+?(){}|", c)) r = r "[" c "]"
        else r = r c
      }
      return r
    }
    function lit(c) {
      if (c == "\\") return "\\\\"
      if (c == "^") return "\\^"
      if (index(".[]()*+?{}|$", c)) return "[" c "]"
      return c
    }
    BEGIN {
      h = ENVIRON["_fsh"]; mode = ENVIRON["_fsmode"]
      b = ENVIRON["_fsb"] != ""; e = ENVIRON["_fse"] != ""
      if (ENVIRON["_fsx"] != "") b = e = 1
      i = ENVIRON["_fsi"] != ""; v = ENVIRON["_fsv"] != ""
      n = ENVIRON["_fsn"] != ""; m = ENVIRON["_fsm"] != ""; o = ENVIRON["_fso"] != ""
      np = split(ENVIRON["_fsp"], p, "\n")
      for (j = 1; j <= np; j++) {
        t = substr(p[j], 2)
        kind[j] = mode != "" ? mode : substr(p[j], 1, 1)
        if (i) t = tolower(t)
        if (kind[j] == "R") {
          t = ere(t)
          if (b) t = "^(" t ")"
          if (e) t = "(" t ")$"
        }
        pat[j] = t
      }
      if (h != "") h = h ":"
    }
    {
      l = $0
      sub(/\r$/, "", l)
      if (i) l = tolower(l)
      f = 0
      for (j = 1; j <= np && !f; j++) {
        t = pat[j]
        if (t == "") continue
        if (kind[j] == "R") f = l ~ t
        else if (b && e) f = l == t
        else if (b) f = substr(l, 1, length(t)) == t
        else if (e) f = length(l) >= length(t) && substr(l, length(l) - length(t) + 1) == t
        else f = index(l, t) > 0
      }
      off += length($0) + 1
      if (f == v) next
      k++
      if (m) { print substr(h, 1, length(h) - 1); exit }
      printf "%s", h
      if (n) printf "%d:", NR
      if (o) printf "%d:", off - length($0) - 1
      print
    }
    END { exit k ? 0 : 1 }'
}
