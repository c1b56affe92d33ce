# _d0: the script's own folder with a slash at the end, as %~dp0 gives it.
# A script run by another one's call finds its own path in _self; a script
# written away from its batch file is told the batch file's path in _bfp.
_d0=$(cd -- "$(command -p dirname -- "${_bfp:-${_self:-$0}}")" && pwd)
_d0=${_d0%/}/
