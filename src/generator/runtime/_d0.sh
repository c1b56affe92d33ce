# _d0: the script's own folder with a slash at the end, as %~dp0 gives it.
# A script run by another one's call finds its own path in _self.
_d0=$(cd -- "$(command -p dirname -- "${_self:-$0}")" && pwd)
_d0=${_d0%/}/
