# _popd: popd: goes back to the folder the last pushd left. It fails, without
# touching the errorlevel, when there is none.
_popd() {
  [ "${_pd:-0}" -gt 0 ] || return 1
  eval "cd -- \"\$_pd$_pd\""
  _pd=$((_pd - 1))
}
