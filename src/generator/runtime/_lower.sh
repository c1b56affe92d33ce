# _lower VAR TEXT: sets VAR to TEXT with ASCII letters in lower case, as cmd
# compares text that ignores case.
_lower() {
  _lower_t=$(printf '%sx' "$2" | command -p tr 'ABCDEFGHIJKLMNOPQRSTUVWXYZ' 'abcdefghijklmnopqrstuvwxyz')
  eval "$1=\${_lower_t%x}"
}
