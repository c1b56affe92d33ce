# _choice [/C CHOICES] [/N] [/CS] [/T SECONDS /D CHOICE] [/M TEXT]: choice
# shows TEXT, then the keys in brackets and "?" ("Sure? [Y,N]?"; only TEXT
# with /n), reads one key from its input and sets the errorlevel to that
# key's place in CHOICES (by default YN), ignoring case unless /cs; it shows
# the key it took, in upper case unless /cs, and a line end. Keys that are
# not choices are passed over. With /t, no key for SECONDS (or the end of
# input that is not a terminal) takes CHOICE; the end of input without /d
# gives errorlevel 1. Switches may be written /c:yn as well, and DOS's
# "/t:c,nn" is understood. The exit status is the errorlevel, as for any
# program: 255 for a wrong command.
# needs: _upper
# shellcheck disable=SC2154
_choice() {
  _chc=YN
  _chn=0
  _chs=0
  _cht=
  _chd=
  _chm=
  _chmset=0
  _chwhat=
  for _chw in "$@"; do
    if [ -n "$_chwhat" ]; then
      case $_chwhat in
      c) _chc=$_chw ;;
      t) _cht=$_chw ;;
      d) _chd=$_chw ;;
      m)
        _chm=$_chw
        _chmset=1
        ;;
      esac
      _chwhat=
      continue
    fi
    case $_chw in
    /[cC][sS]) _chs=1 ;;
    /[nN]) _chn=1 ;;
    /[cC]) _chwhat=c ;;
    /[tT]) _chwhat=t ;;
    /[dD]) _chwhat=d ;;
    /[mM]) _chwhat=m ;;
    /[cC]*) _chc=${_chw#??} _chc=${_chc#:} ;;
    /[tT]*) _cht=${_chw#??} _cht=${_cht#:} ;;
    /[dD]*) _chd=${_chw#??} _chd=${_chd#:} ;;
    /[mM]*)
      _chm=${_chw#??}
      _chm=${_chm#:}
      _chmset=1
      ;;
    /*)
      printf 'ERROR: Invalid argument/option - '\''%s'\''.\n' "$_chw" >&2
      _el=255
      return 255
      ;;
    *)
      # DOS's choice took the text without /m, and /t:c,nn.
      case $_cht in
      [!0-9])
        case $_chw in
        *[!0-9]* | '') ;;
        *)
          _chd=$_cht
          _cht=$_chw
          continue
          ;;
        esac
        ;;
      esac
      _chm=${_chm:+$_chm }$_chw
      _chmset=1
      ;;
    esac
  done
  case $_cht in
  [!0-9])
    _chd=$_cht
    _cht=0
    ;;
  esac
  [ "$_chs" = 1 ] || _upper _chc "$_chc"
  [ "$_chs" = 1 ] || _upper _chd "$_chd"
  # The keys, checked, and their list as "[Y,N]?".
  _chlist=
  _chrest=$_chc
  while [ -n "$_chrest" ]; do
    _chk=${_chrest%"${_chrest#?}"}
    _chrest=${_chrest#?}
    case $_chrest in
    *"$_chk"*)
      printf 'ERROR: Duplicate choices are not allowed.\n' >&2
      _el=255
      return 255
      ;;
    esac
    _chlist=${_chlist:+$_chlist,}$_chk
  done
  if [ -z "$_chc" ] || { [ -n "$_cht" ] && [ -z "$_chd" ]; }; then
    printf 'ERROR: Invalid syntax. /D and a list of choices are needed with /T.\n' >&2
    _el=255
    return 255
  fi
  case $_cht in
  *[!0-9]*)
    printf 'ERROR: Invalid syntax. The value for /T must be from 0 to 9999.\n' >&2
    _el=255
    return 255
    ;;
  esac
  if [ -n "$_chd" ]; then
    case $_chc in
    *"$_chd"*) ;;
    *)
      printf 'ERROR: The default choice is not one of the choices.\n' >&2
      _el=255
      return 255
      ;;
    esac
  fi
  if [ "$_chn" = 1 ]; then
    printf '%s' "$_chm"
  elif [ "$_chmset" = 1 ]; then
    printf '%s [%s]?' "$_chm" "$_chlist"
  else
    printf '[%s]?' "$_chlist"
  fi
  # Read keys until one is a choice; a terminal gives them one at a time.
  # A time of 0 takes the default without reading.
  _chtty=
  if [ "$_cht" = 0 ]; then
    printf '%s\n' "$_chd"
    _chrest=${_chc%%"$_chd"*}
    _el=$((${#_chrest} + 1))
    return "$_el"
  fi
  if [ -t 0 ]; then
    _chtty=$(command -p stty -g)
    if [ -n "$_cht" ]; then
      command -p stty -icanon -echo min 0 time 10
    else
      command -p stty -icanon -echo min 1 time 0
    fi
  fi
  _chleft=${_cht:-0}
  _chkey=
  while :; do
    # The x keeps a line end that is read.
    _chk=$(command -p dd bs=1 count=1 2>/dev/null && echo x)
    _chk=${_chk%x}
    if [ -z "$_chk" ]; then
      if [ -n "$_chtty" ] && [ -n "$_cht" ] && [ "$_chleft" -gt 1 ]; then
        _chleft=$((_chleft - 1))
        continue
      fi
      [ -n "$_chtty" ] && [ -z "$_cht" ] && continue
      # No key in time, or the end of the input.
      _chkey=$_chd
      break
    fi
    [ "$_chs" = 1 ] || _upper _chk "$_chk"
    case $_chk in
    [][*?\\]) continue ;;
    esac
    case $_chc in
    *"$_chk"*)
      _chkey=$_chk
      break
      ;;
    esac
    [ -n "$_chtty" ] && printf '\a'
  done
  [ -n "$_chtty" ] && command -p stty "$_chtty"
  printf '%s\n' "$_chkey"
  if [ -z "$_chkey" ]; then
    _el=1
    return 1
  fi
  _chrest=${_chc%%"$_chkey"*}
  _el=$((${#_chrest} + 1))
  return "$_el"
}
