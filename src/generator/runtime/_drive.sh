# _drive VAR LETTER: sets VAR to the folder that drive LETTER (in either case)
# stands for here, and _dvl to the letter in lower case: the folder given for
# that letter when the script was converted, or else the letter in the folder
# that holds the drives (/mnt by default, as WSL mounts them).
# shellcheck disable=SC2154 # _drives is set by the script
_drive() {
  case $2 in
  [ABCDEFGHIJKLMNOPQRSTUVWXYZ])
    _dvl=${_dvpairs#*"$2"}
    _dvl=${_dvl%"${_dvl#?}"}
    ;;
  *) _dvl=$2 ;;
  esac
  eval "$1=\${_drv_$_dvl-\$_drives/\$_dvl}"
}
_dvpairs=AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz
