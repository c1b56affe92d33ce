# _runb LINE: runs the command line in _rl, whose command's name came from an
# expansion, as cmd reads it when it runs: nothing at all when it is empty
# (the errorlevel stays as it was); one of cmd's built-ins that take words or
# a folder (md, rd, del, copy, move, ren, type, dir, cd, pushd, popd, echo)
# when the name is one; any other built-in stops as one not translated, with
# LINE, the batch line, in its message; and otherwise the program or batch
# file, as _run runs it. Windows' own programs never run by their names
# (_wprog): one with no counterpart here stops with errorlevel 9009 (_ntp),
# and one that the script translates where its name is written stops as not
# translated.
# needs: _run _cargs _nq _upper _nl _md _rd _del _copy _move _ren _type _dir _cd _pushd _popd _echostate _nt _wprog _ntp
# shellcheck disable=SC2154 # _r is set by _cargs, _rbu by _upper, _rbw by _nq
_runb() {
  _rb=
  _rbt=${_rl-}
  unset _rl
  _rbt=${_rbt#"${_rbt%%[!\ \	,\;=]*}"}
  case $_rbt in
  '') return 0 ;;
  \"*)
    _rbn=${_rbt#?}
    _rbn=${_rbn%%\"*}
    _rbt=${_rbt#?}
    case $_rbt in
    *\"*) _rbt=${_rbt#*\"} ;;
    *) _rbt= ;;
    esac
    ;;
  *)
    _rbn=${_rbt%%[\ \	,\;=]*}
    _rbt=${_rbt#"$_rbn"}
    ;;
  esac
  _upper _rbu "$_rbn"
  case $_rbu in
  ECHO)
    case ${_rbt#?} in
    *[!\ \	]*) printf '%s\n' "${_rbt#?}" ;;
    *) _echostate ;;
    esac
    return 0
    ;;
  CD | CHDIR)
    _cd "$_rbt"
    return
    ;;
  PUSHD)
    _nq _rbw "${_rbt#"${_rbt%%[!\ \	]*}"}"
    if [ -n "$_rbw" ]; then _pushd "$_rbw"; else _pushd; fi
    return
    ;;
  POPD)
    _popd
    return
    ;;
  MD | MKDIR | RD | RMDIR | DEL | ERASE | COPY | MOVE | REN | RENAME | TYPE | DIR)
    _cargs "$_rbt"
    set --
    while [ -n "$_r" ]; do
      _nq _rbw "${_r%%"$_nl"*}"
      set -- "$@" "$_rbw"
      _r=${_r#*"$_nl"}
    done
    case $_rbu in
    MD | MKDIR) _md "$@" ;;
    RD | RMDIR) _rd "$@" ;;
    DEL | ERASE) _del "$@" ;;
    COPY) _copy "$@" ;;
    MOVE) _move "$@" ;;
    REN | RENAME) _ren "$@" ;;
    TYPE) _type "$@" ;;
    DIR) _dir "$@" ;;
    esac
    return
    ;;
  ASSOC | BREAK | CALL | CLS | COLOR | DATE | ENDLOCAL | EXIT | FOR | FTYPE | GOTO | IF | \
    MKLINK | PATH | PAUSE | PROMPT | REM | SET | SETLOCAL | SHIFT | START | TIME | TITLE | \
    VER | VERIFY | VOL)
    _nt "$1" "$_rbn$_rbt (a built-in named by a variable)"
    return
    ;;
  esac
  _wprog "$_rbn"
  case $_wpk in
  stop)
    _ntp "$1" "$_rbn$_rbt"
    return
    ;;
  rule)
    _nt "$1" "$_rbn$_rbt (a Windows program named by a variable)"
    return
    ;;
  esac
  _rl=$_rbt
  _run "$_rbn"
}
