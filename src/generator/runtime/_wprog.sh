# _wprog NAME: sets _wpk to what a script does with the program NAME when its
# name is known only as it runs, given without a folder or in one where
# Windows keeps its programs (System32, SysWOW64, Sysnative), with or without
# .exe or .com: "stop" for Windows' programs that have no counterpart here,
# "rule" for those a script translates only when their name is written in
# the batch file, and nothing for the others, which run by their names. The
# programs named in _wpa (lower case, between spaces), which the script was
# told to run anyway, run by their names.
# needs: _lower
# shellcheck disable=SC2154 # _wpl is set by _lower
_wprog() {
  _wpk=
  _lower _wpl "$1"
  case $_wpl in
  */* | *\\*)
    _wpn=${_wpl##*[\\/]}
    _wpl=${_wpl%[\\/]*}
    case ${_wpl##*[\\/]} in
    system32 | syswow64 | sysnative) _wpl=$_wpn ;;
    *) return 0 ;;
    esac
    ;;
  esac
  case $_wpl in
  *.exe | *.com) _wpl=${_wpl%.*} ;;
  esac
  case " ${_wpa-} " in
  *" $_wpl "* | *" $_wpl.exe "* | *" $_wpl.com "*) return 0 ;;
  esac
  case $_wpl in
  bitsadmin | cacls | certutil | convert | cscript | diskpart | dism | expand | explorer | \
    format | fsutil | gpupdate | icacls | ipconfig | label | manage-bde | mode | mshta | \
    msiexec | net | netsh | powercfg | reg | runas | rundll32 | sc | schtasks | shutdown | \
    subst | takeown | taskkill | tasklist | vssadmin | wmic | wscript)
    _wpk=stop
    ;;
  attrib | chcp | choice | cmd | fc | find | findstr | hostname | more | ping | powershell | \
    robocopy | sort | timeout | tree | where | whoami | xcopy)
    _wpk=rule
    ;;
  esac
  return 0
}
