# _date VAR: sets VAR to today's date as %DATE% shows it on an English
# Windows: "Mon 12/07/2026".
_date() {
  eval "$1=\$(LC_ALL=C command -p date '+%a %m/%d/%Y')"
}
