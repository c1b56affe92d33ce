# _argv TEXT: sets _r to the arguments a Windows program reads from the
# command line TEXT: cut at blanks outside quotes; quotes are taken out, and
# backslashes are themselves except before a quote, where each pair of them
# makes one and an odd one out makes the quote a character of the word. Each
# word is followed by a line end, with slashes for its backslashes, as every
# program's word is written here.
# needs: _nl _bs
# shellcheck disable=SC2154 # _nl is set by _nl, _avb by _bs
_argv() {
  _r=
  _avt=$1
  _avw=
  _avs=0
  _avq=0
  while [ -n "$_avt" ]; do
    if [ "$_avq" = 1 ]; then
      _avp=${_avt%%[\"\\]*}
    else
      _avp=${_avt%%[\"\\\ \	]*}
    fi
    if [ -n "$_avp" ]; then
      _avw=$_avw$_avp
      _avt=${_avt#"$_avp"}
      _avs=1
      continue
    fi
    case $_avt in
    \\*)
      # A run of backslashes: only a quote after it changes what it means.
      _avn=${_avt%%[!\\]*}
      _avt=${_avt#"$_avn"}
      case $_avt in
      \"*)
        while [ ${#_avn} -ge 2 ]; do
          _avw=$_avw\\
          _avn=${_avn#??}
        done
        if [ -n "$_avn" ]; then
          _avw=$_avw\"
          _avt=${_avt#?}
        fi
        ;;
      *) _avw=$_avw$_avn ;;
      esac
      _avs=1
      ;;
    \"*)
      _avt=${_avt#?}
      _avq=$((1 - _avq))
      _avs=1
      ;;
    *)
      _avt=${_avt#?}
      if [ "$_avs" = 1 ]; then
        _bs _avb "$_avw"
        _r=$_r$_avb$_nl
        _avw=
        _avs=0
      fi
      ;;
    esac
  done
  if [ "$_avs" = 1 ]; then
    _bs _avb "$_avw"
    _r=$_r$_avb$_nl
  fi
}
