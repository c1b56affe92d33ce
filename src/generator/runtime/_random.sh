# _random VAR: sets VAR to a number from 0 to 32767, as %RANDOM% gives one.
_random() {
  _t=$(command -p od -An -N2 -tu2 /dev/urandom)
  eval "$1=$((_t % 32768))"
}
