# _runbat SCRIPT ARGUMENT...: runs the script converted from another batch
# file in this shell, as cmd runs a batch file in the same process: the
# variables it sets and its errorlevel stay when it ends, and a setlocal it
# leaves open ends with it. Its %0 is the name _run was given. Sets _rb to 1;
# the call succeeds when the errorlevel is 0. When the scripts of a project
# stand in a folder of their own (_mto) that mirrors the batch files' (_mfrom),
# a script missing beside its batch file is looked for at its place there.
# shellcheck disable=SC2154 # _cb is set by _call or _runbat, _mfrom by the script
_runbat() {
  if [ ! -f "$1" ] && [ -n "${_mto-}" ]; then
    # The folder as the system names it, links resolved, as _mfrom is.
    _mp=$(cd -P -- "$(command -p dirname -- "$1")" 2>/dev/null && pwd -P)/${1##*/}
    case $_mp in
    "$_mfrom"/*)
      _mp=$_mto/${_mp#"$_mfrom"/}
      shift
      set -- "$_mp" "$@"
      ;;
    esac
  fi
  if [ ! -f "$1" ]; then
    printf '%s: not found (convert its batch file with morvex --runnable)\n' "$1" >&2
    _el=9009
    return 1
  fi
  _depth=$((${_depth:-0} + 1))
  eval "_ra$_depth=\${_a0-} _rd$_depth=\${_d0-} _rm$_depth=\$_me _rf$_depth=\$_fn" \
    "_rs$_depth=\${_star-} _rc$_depth=\${_cb:-0} _rp$_depth=\${_bf-}"
  _cb=${_sd:-0}
  _rw=$_p
  _self=$1
  _bfp=
  _sourced=1
  _fn=
  # shellcheck disable=SC1090
  . "$1"
  _sourced=
  _self=
  _a0=$_rw
  shift
  if [ -n "$_fn" ]; then
    _pc=_start
    "$_fn" "$@"
  fi
  eval "_a0=\$_ra$_depth _d0=\$_rd$_depth _me=\$_rm$_depth _fn=\$_rf$_depth" \
    "_star=\$_rs$_depth _bf=\$_rp$_depth"
  while [ "${_sd:-0}" -gt "$_cb" ]; do
    _endlocal || break
  done
  eval "_cb=\$_rc$_depth"
  _depth=$((_depth - 1))
  _rb=1
  return $((_el != 0))
}
