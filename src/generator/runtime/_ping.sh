# _ping [-n COUNT] [-w MILLISECONDS] [-t] [-l SIZE] ... HOST: ping as
# Windows reads its options (in any case, "/" or "-"): COUNT echoes (4 by
# default; -t: until stopped), a second apart, each awaited for -w
# milliseconds (4000). The loopback (127.x.x.x, localhost, ::1) answers each
# at once without a packet sent, so "ping -n 6 127.0.0.1" takes 5 seconds, as
# on Windows; another host is asked through the ping here, one echo at a
# time. Prints Windows' lines and statistics; errorlevel 0 when a reply came,
# 1 when none did or the options are wrong.
_ping() {
  _pgn=4
  _pgw=4000
  _pgl=32
  _pgh=
  while [ $# -gt 0 ]; do
    case $1 in
    [-/][nNwWlLiIvVrRsSjJkKcC])
      if [ $# -lt 2 ]; then
        printf 'Value must be supplied for option %s.\n' "$1"
        _el=1
        return 1
      fi
      case $2 in
      '' | *[!0-9]*)
        case $1 in
        ?[jJkKsS]) ;;
        *)
          printf 'Bad value for option %s, valid range is from 1 to 4294967295.\n' "$1"
          _el=1
          return 1
          ;;
        esac
        ;;
      esac
      case $1 in
      ?[nN]) _pgn=$2 ;;
      ?[wW]) _pgw=$2 ;;
      ?[lL]) _pgl=$2 ;;
      esac
      shift
      ;;
    [-/][tT]) _pgn=-1 ;;
    [-/][aAfF46pP]) ;;
    [-/]*)
      printf 'Bad option %s.\n' "$1"
      _el=1
      return 1
      ;;
    *) _pgh=$1 ;;
    esac
    shift
  done
  if [ -z "$_pgh" ]; then
    printf 'IP address must be specified.\n'
    _el=1
    return 1
  fi
  case $_pgn in
  0 | 0[0-9]*)
    printf 'Bad value for option -n, valid range is from 1 to 4294967295.\n'
    _el=1
    return 1
    ;;
  esac
  _pga=
  _pgb=
  case $_pgh in
  127.* | ::1) _pgb=$_pgh ;;
  [lL][oO][cC][aA][lL][hH][oO][sS][tT]) _pgb=127.0.0.1 ;;
  esac
  _pgs=0
  _pgr=0
  _pgmin=
  _pgmax=0
  _pgsum=0
  _pgt=$(((_pgw + 999) / 1000))
  while [ "$_pgn" != "$_pgs" ]; do
    [ "$_pgs" -gt 0 ] && command -p sleep 1
    _pgm=
    if [ -n "$_pgb" ]; then
      _pga=$_pgb
      _pgm=0
      _pgx=128
    elif ! command -p -v ping >/dev/null 2>&1; then
      # No ping here: every echo goes unanswered.
      _pga=$_pgh
      command -p sleep "$_pgt"
    else
      _pgo=$(command -p ping -n -c 1 -W "$_pgt" -s "$_pgl" -- "$_pgh" 2>/dev/null)
      _pgc=$?
      if [ "$_pgc" -gt 1 ]; then
        case $_pgh in
        *[!0-9.]*)
          if [ "$_pgs" = 0 ]; then
            printf 'Ping request could not find host %s. Please check the name and try again.\n' "$_pgh"
            _el=1
            return 1
          fi
          ;;
        *)
          # An address that cannot be reached at once (no network here)
          # still takes the wait, which batch files count on.
          command -p sleep "$_pgt"
          ;;
        esac
      fi
      if [ "$_pgc" = 0 ]; then
        _pgo=${_pgo#*bytes from }
        _pgo=${_pgo%%"
"*}
        _pga=${_pgo%%:*}
        _pgx=${_pgo##*ttl=}
        _pgx=${_pgx%% *}
        _pgm=${_pgo##*time=}
        _pgm=${_pgm%% *}
        _pgm=${_pgm%%.*}
      fi
    fi
    if [ "$_pgs" = 0 ]; then
      if [ -n "$_pga" ] && [ "$_pga" != "$_pgh" ]; then
        printf '\nPinging %s [%s] with %s bytes of data:\n' "$_pgh" "$_pga" "$_pgl"
      else
        printf '\nPinging %s with %s bytes of data:\n' "$_pgh" "$_pgl"
      fi
    fi
    _pgs=$((_pgs + 1))
    if [ -z "$_pgm" ]; then
      printf 'Request timed out.\n'
      continue
    fi
    if [ "$_pgm" = 0 ]; then
      printf 'Reply from %s: bytes=%s time<1ms TTL=%s\n' "$_pga" "$_pgl" "$_pgx"
    else
      printf 'Reply from %s: bytes=%s time=%sms TTL=%s\n' "$_pga" "$_pgl" "$_pgm" "$_pgx"
    fi
    _pgr=$((_pgr + 1))
    _pgsum=$((_pgsum + _pgm))
    [ -n "$_pgmin" ] && [ "$_pgmin" -le "$_pgm" ] || _pgmin=$_pgm
    [ "$_pgmax" -ge "$_pgm" ] || _pgmax=$_pgm
  done
  printf '\nPing statistics for %s:\n' "${_pga:-$_pgh}"
  printf '    Packets: Sent = %s, Received = %s, Lost = %s (%s%% loss),\n' \
    "$_pgs" "$_pgr" $((_pgs - _pgr)) $(((_pgs - _pgr) * 100 / _pgs))
  if [ "$_pgr" -gt 0 ]; then
    printf 'Approximate round trip times in milli-seconds:\n'
    printf '    Minimum = %sms, Maximum = %sms, Average = %sms\n' \
      "$_pgmin" "$_pgmax" $((_pgsum / _pgr))
    _el=0
    return 0
  fi
  _el=1
  return 1
}
