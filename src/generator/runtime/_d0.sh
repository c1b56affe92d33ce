# _d0: the script's own folder with a slash at the end, as %~dp0 gives it.
_d0=$(cd -- "$(dirname -- "$0")" && pwd)
_d0=${_d0%/}/
