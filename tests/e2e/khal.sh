# khal with a calendar of its own under $work, in Europe/Paris, dates and
# times printed as ISO: `khal_import FILE` puts an export into it and
# `khal_list FROM TO` prints "{start} {title}" lines of that span.
khal_config() {
    cat >"$work/khal.conf" <<CONF
[calendars]
[[home]]
path = $work/calendar
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
default_timezone = Europe/Paris
local_timezone = Europe/Paris
[sqlite]
path = $work/khal.db
CONF
}

khal_import() {
    khal_config
    khal -c "$work/khal.conf" import --batch -a home "$1" || fail "khal refused the export"
}

khal_list() {
    khal -c "$work/khal.conf" list --format "{start} {title}" --day-format "" "$1" "$2" |
        sed '/^$/d'
}
