# _popd: popd goes back to the folder that the last pushd left. When no pushd
# is left to undo, it does nothing and fails. It never touches the errorlevel.
_popd() {
  [ "${_pd:-0}" -gt 0 ] || return 1
  eval "_pdo=\$_pd$_pd"
  unset "_pd$_pd"
  _pd=$((_pd - 1))
  # shellcheck disable=SC2154
  cd -- "$_pdo" 2>/dev/null || return 1
}
