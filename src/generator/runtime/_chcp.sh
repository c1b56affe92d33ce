# _chcp [PAGE]: chcp shows the console's code page. Text here is UTF-8, code
# page 65001, and stays so: a page given is checked, not set. A word that is
# no number gives Windows' message and errorlevel 1.
# shellcheck disable=SC2120 # called with the words of the command, often none
_chcp() {
  case ${1-} in
  '' | *[!0-9]*)
    if [ -n "${1-}" ]; then
      printf 'Parameter format not correct - %s\n' "$1" >&2
      _el=1
      return 1
    fi
    ;;
  esac
  printf 'Active code page: 65001.\n'
  _el=0
}
