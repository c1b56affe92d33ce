# _copy [SWITCH...] SOURCE[+SOURCE...] [DESTINATION]: copy copies the files
# that each SOURCE names (a file, cmd's wildcards in any case, or a folder for
# its files) into DESTINATION: a folder, a file, names made by a mask with
# wildcards (see _mask), or by default the current folder. Sources joined with
# + (or wildcards copied to one file) are written one after the other into one
# file. It lists the files it copies when there are wildcards or joins, then
# says how many it copied ("        1 file(s) copied."). In a batch file it
# overwrites without asking, unless /-y (or /-y in COPYCMD); then it asks
# "Overwrite NAME? (Yes/No/All): ". /a reads a source as text up to its first
# Ctrl-Z and ends a text destination with one; /b copies bytes. Joined files
# are text unless /b says otherwise; a lone file is copied as bytes.
# "nul" is an empty source or a destination that keeps nothing. Errorlevel 0,
# or cmd's message, "        0 file(s) copied." and errorlevel 1.
# needs: _wp _ci _wild _mask _ask _nl _sw _guard
# shellcheck disable=SC2154
_copy() {
  _con=0
  _codst=
  _codm=
  _comode=
  _colast=
  _cojoin=0
  _copend=0
  _coy=1
  case ${COPYCMD-} in
  */-[yY]*) _coy=0 ;;
  esac
  for _cow in "$@"; do
    _sw "$_cow"
    case $_swp$_cow in
    /*)
      while [ -n "$_cow" ]; do
        _cow=${_cow#/}
        case ${_cow%%/*} in
        [yY]) _coy=1 ;;
        -[yY]) _coy=0 ;;
        [aA] | [bB])
          case ${_cow%%/*} in
          [aA]) _comode=a ;;
          *) _comode=b ;;
          esac
          _codm=$_comode
          [ "$_colast" = s ] && eval "_com$_con=\$_comode"
          ;;
        [dDvVnNzZlL]) ;;
        *)
          printf 'Invalid switch - /%s\n' "${_cow%%/*}" >&2
          _el=1
          return 1
          ;;
        esac
        case $_cow in
        */*) _cow=/${_cow#*/} ;;
        *) _cow= ;;
        esac
      done
      ;;
    *)
      while :; do
        case $_cow in
        *+*)
          _cop=${_cow%%+*}
          _cow=${_cow#*+}
          _coplus=1
          ;;
        *)
          _cop=$_cow
          _coplus=0
          ;;
        esac
        if [ -n "$_cop" ]; then
          if [ "$_con" = 0 ] || [ "$_copend" = 1 ]; then
            _con=$((_con + 1))
            eval "_cos$_con=\$_cop _com$_con=\$_comode"
            _copend=0
            _colast=s
          elif [ -z "$_codst" ]; then
            _codst=$_cop
            _colast=d
          else
            printf 'The syntax of the command is incorrect.\n' >&2
            _el=1
            return 1
          fi
        fi
        [ "$_coplus" = 1 ] || break
        _cojoin=1
        _copend=1
      done
      ;;
    esac
  done
  if [ "$_con" = 0 ]; then
    printf 'The syntax of the command is incorrect.\n' >&2
    _el=1
    return 1
  fi

  # Where the copies go: one file (_coto), or a folder (_codir) under the
  # sources' own names or the names a mask (_comask) makes of them.
  _coto=
  _codir=
  _comask=
  if [ -z "$_codst" ]; then
    _codir=./
  else
    _wp _cot "$_codst"
    case $_cot in
    [nN][uU][lL] | [nN][uU][lL]:) _coto=/dev/null ;;
    [cC][oO][nN] | [cC][oO][nN]:) _coto=/dev/stdout ;;
    *)
      _ci _cot "$_cot"
      if [ -d "$_cot" ]; then
        _codir=${_cot%/}/
      else
        case $_cot in
        */*) _cop=${_cot%/*} ;;
        *) _cop=. ;;
        esac
        case $_cot in
        */) _cop=/nonexistent/ ;;
        esac
        if [ ! -d "${_cop:-/}" ]; then
          printf 'The system cannot find the path specified.\n' >&2
          printf '        0 file(s) copied.\n'
          _el=1
          return 1
        fi
        case ${_cot##*/} in
        *[*?]*)
          _comask=${_cot##*/}
          _codir=${_cot%"$_comask"}
          _codir=${_codir:-./}
          ;;
        *) _coto=$_cot ;;
        esac
      fi
      ;;
    esac
  fi

  # The files each source names, with the names to show for them.
  _cowild=0
  _coi=0
  while [ "$_coi" -lt "$_con" ]; do
    _coi=$((_coi + 1))
    eval "_cop=\$_cos$_coi"
    _wp _cob "$_cop"
    _cow=0
    case $_cob in
    [nN][uU][lL] | [nN][uU][lL]:) _r=/dev/null$_nl ;;
    [cC][oO][nN] | [cC][oO][nN]:) _r=/dev/stdin$_nl ;;
    *)
      _ci _cob "$_cob"
      _coshow=$_cop
      if [ -d "$_cob" ]; then
        _cow=1
        case $_cop in
        *[\\/]) ;;
        *) _coshow=$_cop\\ ;;
        esac
        _cob="${_cob%/}/*"
      else
        case ${_cob##*/} in
        *[*?]*) _cow=1 ;;
        esac
        _coshow=${_cop%"${_cop##*[\\/]}"}
      fi
      _wild f "$_cob" || _r=
      ;;
    esac
    [ "$_cow" = 1 ] && _cowild=1
    eval "_coL$_coi=\$_r _coW$_coi=\$_cow _coP$_coi=\$_coshow"
  done
  _cocat=$_cojoin
  [ -n "$_coto" ] && [ "$_cowild" = 1 ] && _cocat=1
  _coshow=0
  [ "$_cocat" = 1 ] || [ "$_cowild" = 1 ] && _coshow=1
  if [ -z "$_codm" ]; then
    _codm=b
    [ "$_cocat" = 1 ] && _codm=a
  fi

  _coc=0
  _cofail=0
  _corefused=0
  _coall=0
  _cofirst=1
  _coi=0
  while [ "$_coi" -lt "$_con" ]; do
    _coi=$((_coi + 1))
    eval "_col=\$_coL$_coi _cow=\$_coW$_coi _cop=\$_coP$_coi _com=\$_com$_coi _cos=\$_cos$_coi"
    if [ -z "$_col" ]; then
      printf 'The system cannot find the file specified.\n' >&2
      _cofail=1
      continue
    fi
    if [ -z "$_com" ]; then
      _com=b
      [ "$_cocat" = 1 ] && _com=a
    fi
    while [ -n "$_col" ]; do
      _cof=${_col%%"$_nl"*}
      _col=${_col#*"$_nl"}
      if [ "$_cow" = 1 ]; then
        _con2=$_cop${_cof##*/}
      else
        _con2=$_cos
      fi
      # Where this file goes.
      if [ "$_cocat" = 1 ]; then
        if [ "$_cofirst" = 1 ]; then
          _cott=$_coto
          [ -n "$_cott" ] || _cott=$_codir${_cof##*/}
        fi
      elif [ -n "$_coto" ]; then
        _cott=$_coto
      elif [ -n "$_comask" ]; then
        _mask _cott "${_cof##*/}" "$_comask"
        _cott=$_codir$_cott
      else
        _cott=$_codir${_cof##*/}
      fi
      # dash's test knows -ef: the same file under two names.
      # shellcheck disable=SC3013
      if [ "$_cof" -ef "$_cott" ]; then
        if [ "$_cocat" = 0 ]; then
          printf 'The file cannot be copied onto itself.\n' >&2
          _cofail=1
          continue
        fi
        [ "$_coshow" = 1 ] && printf '%s\n' "$_con2"
        # Joining onto the first source appends the others to it; a later
        # source that is the destination has been overwritten already.
        [ "$_cofirst" = 1 ] && _cofirst=2
        continue
      fi
      if ! _guard copy "$_cott"; then
        _corefused=1
        break 2
      fi
      if [ "$_cofirst" != 0 ] && [ -e "$_cott" ] && [ "$_coy" = 0 ] && [ "$_coall" = 0 ] &&
        [ "$_cott" != /dev/null ] && [ "$_cott" != /dev/stdout ]; then
        case $_cott in
        /*) _cob=$_cott ;;
        *) _cob=$PWD/${_cott#./} ;;
        esac
        if ! _ask "Overwrite $_cob? (Yes/No/All): " YNA; then
          if [ -z "$_ak" ]; then
            _cofail=1
            break 2
          fi
          [ "$_cocat" = 1 ] && break 2
          continue
        fi
        [ "$_ak" = A ] && _coall=1
      fi
      [ "$_coshow" = 1 ] && printf '%s\n' "$_con2"
      if [ "$_cocat" = 1 ] && [ "$_cofirst" = 0 ]; then
        _coop='>>'
      elif [ "$_cocat" = 1 ] && [ "$_cofirst" = 2 ]; then
        _coop='>>'
        _cofirst=0
      else
        _coop='>'
        _cofirst=0
      fi
      if [ "$_com" = a ]; then
        # Text stops at the first Ctrl-Z.
        if [ "$_coop" = '>' ]; then
          _cotext <"$_cof" >"$_cott"
        else
          _cotext <"$_cof" >>"$_cott"
        fi
      elif [ "$_coop" = '>>' ]; then
        command -p cat <"$_cof" >>"$_cott"
      elif [ "$_cott" = /dev/stdout ] || [ "$_cof" = /dev/stdin ]; then
        command -p cat <"$_cof" >"$_cott"
      else
        command -p cp -p -- "$_cof" "$_cott" 2>/dev/null
      fi
      _cors=$?
      if [ "$_cors" != 0 ]; then
        printf 'Access is denied.\n' >&2
        _cofail=1
        continue
      fi
      if [ "$_cocat" = 0 ] && [ "$_com" = a ] && [ "$_codm" = a ]; then
        printf '\032' >>"$_cott"
      fi
      [ "$_cocat" = 1 ] || _coc=$((_coc + 1))
      _codone=$_cott
    done
  done
  if [ "$_cocat" = 1 ] && [ "$_cofirst" = 0 ]; then
    [ "$_codm" = a ] && printf '\032' >>"$_codone"
    _coc=1
  fi
  printf '%9d file(s) copied.\n' "$_coc"
  if [ "$_corefused" = 1 ] || { [ "$_coc" = 0 ] && [ "$_cofail" = 1 ]; }; then
    _el=1
    return 1
  fi
  _el=0
}

# _cotext: a file read as text, up to its first Ctrl-Z.
_cotext() {
  command -p awk 'BEGIN { RS = "\032" } { printf "%s", $0; exit }'
}
