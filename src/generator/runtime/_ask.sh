# _ask PROMPT LETTERS: shows PROMPT and reads answers, a line at a time, until
# one starts with one of LETTERS (upper case; either case is read), which goes
# in _ak. Input that is not a terminal does not show what it gives, so the
# answer is written after the prompt as a terminal would show it. Succeeds
# when the answer is the first of LETTERS; at the end of the input _ak is
# empty and it fails.
# needs: _upper
# shellcheck disable=SC2154
_ask() {
  while :; do
    printf '%s' "$1"
    _ak=
    if ! IFS= read -r _akl && [ -z "$_akl" ]; then
      [ -t 0 ] || printf '\n'
      return 1
    fi
    [ -t 0 ] || printf '%s\n' "$_akl"
    _akl=${_akl#"${_akl%%[! 	]*}"}
    [ -n "$_akl" ] || continue
    _upper _akc "${_akl%"${_akl#?}"}"
    case $2 in
    *"$_akc"*)
      _ak=$_akc
      [ "$_akc" = "${2%"${2#?}"}" ]
      return
      ;;
    esac
  done
}
