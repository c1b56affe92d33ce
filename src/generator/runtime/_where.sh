# _where [/R FOLDER] [/Q] [/F] PATTERN...: where shows the full names of the
# files that each PATTERN (cmd's wildcards, in any case) names, looking in the
# current folder first and then in each folder of PATH; a PATTERN without an
# extension also finds the names with one of PATHEXT's extensions, as cmd runs
# "name" as name.bat. "$VAR:PATTERN" looks in the folders of the variable VAR
# and "FOLDERS:PATTERN" in those folders, separated by ";"; /r looks in FOLDER
# and every folder below it instead. /q shows nothing, /f puts quotes around
# the names. Exit status, and errorlevel: 0 when every PATTERN found a file,
# 1 otherwise (with cmd's message), 2 for a wrong command.
# needs: _wp _wild _walk _vn _nl
# shellcheck disable=SC2154
_where() {
  _whq=0
  _whf=0
  _whr=
  _whnext=
  _whpats=
  for _whw in "$@"; do
    if [ "$_whnext" = r ]; then
      _whr=$_whw
      _whnext=
      continue
    fi
    case $_whw in
    /[rR]) _whnext=r ;;
    /[qQ]) _whq=1 ;;
    /[fF]) _whf=1 ;;
    /[tT]) ;;
    /*)
      printf 'ERROR: Invalid argument or option - '\''%s'\''.\n' "$_whw" >&2
      _el=2
      return 2
      ;;
    *) _whpats=$_whpats$_whw$_nl ;;
    esac
  done
  if [ -z "$_whpats" ]; then
    printf 'ERROR: A search pattern must be specified.\n' >&2
    _el=2
    return 2
  fi
  _whext=${PATHEXT-.COM;.EXE;.BAT;.CMD;.VBS;.VBE;.JS;.JSE;.WSF;.WSH;.MSC}
  _whrc=0
  while [ -n "$_whpats" ]; do
    _whp=${_whpats%%"$_nl"*}
    _whpats=${_whpats#*"$_nl"}
    # Where to look, one folder a line.
    case $_whp in
    \$*:*)
      _whv=${_whp%%:*}
      _vn "${_whv#?}"
      _whp=${_whp#*:}
      eval "_whd=\${$_r-}"
      ;;
    ?*:*)
      _whd=${_whp%:*}
      _whp=${_whp##*:}
      ;;
    *) _whd=.:${PATH-} ;;
    esac
    _whdirs=
    while [ -n "$_whd" ]; do
      _whx=${_whd%%[:;]*}
      [ -n "$_whx" ] && _whdirs=$_whdirs$_whx$_nl
      case $_whd in
      *[:\;]*) _whd=${_whd#*[:;]} ;;
      *) _whd= ;;
      esac
    done
    # The names to look for: PATTERN, and without an extension each of
    # PATHEXT's too.
    _whnames=$_whp$_nl
    case $_whp in
    *.*) ;;
    *)
      _whe=$_whext
      while [ -n "$_whe" ]; do
        _whx=${_whe%%;*}
        [ -n "$_whx" ] && _whnames=$_whnames$_whp$_whx$_nl
        case $_whe in
        *\;*) _whe=${_whe#*;} ;;
        *) _whe= ;;
        esac
      done
      ;;
    esac
    _whfound=
    if [ -n "$_whr" ]; then
      _wp _whd "$_whr"
      _whn=$_whnames
      while [ -n "$_whn" ]; do
        _whx=${_whn%%"$_nl"*}
        _whn=${_whn#*"$_nl"}
        _walk f "$_whd" "$_whx" && _whfound=$_whfound$_r
      done
    else
      while [ -n "$_whdirs" ]; do
        _whd=${_whdirs%%"$_nl"*}
        _whdirs=${_whdirs#*"$_nl"}
        _wp _whd "$_whd"
        _whn=$_whnames
        while [ -n "$_whn" ]; do
          _whx=${_whn%%"$_nl"*}
          _whn=${_whn#*"$_nl"}
          _wild f "${_whd%/}/$_whx" && _whfound=$_whfound$_r
        done
      done
    fi
    if [ -z "$_whfound" ]; then
      [ "$_whq" = 1 ] || printf 'INFO: Could not find files for the given pattern(s).\n' >&2
      _whrc=1
      continue
    fi
    [ "$_whq" = 1 ] && continue
    while [ -n "$_whfound" ]; do
      _whx=${_whfound%%"$_nl"*}
      _whfound=${_whfound#*"$_nl"}
      case $_whx in
      ./*) _whx=$PWD/${_whx#./} ;;
      /*) ;;
      *) _whx=$PWD/$_whx ;;
      esac
      if [ "$_whf" = 1 ]; then
        printf '"%s"\n' "$_whx"
      else
        printf '%s\n' "$_whx"
      fi
    done
  done
  _el=$_whrc
  return "$_whrc"
}
