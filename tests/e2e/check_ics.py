#!/usr/bin/python3
"""check_ics.py FILE ZONE FIRST_DAY(yyyy-mm-dd) DAYS: reads an exported calendar with python3-icalendar,
checks its lines, its plain TZID and its VTIMEZONE's offsets against the zone database (zoneinfo) for every
hour of the days and every event instant, then prints each event: UID, start and end (seconds since 1970),
SUMMARY, CATEGORIES, DESCRIPTION, tab-separated."""
import sys
from datetime import date, datetime, timedelta, timezone
from zoneinfo import ZoneInfo
import icalendar


def fail(text):
    sys.exit("check_ics: " + text)


path, zone, first, days = sys.argv[1], sys.argv[2], date.fromisoformat(sys.argv[3]), int(sys.argv[4])
raw = open(path, "rb").read()
for line in raw.split(b"\r\n")[:-1]:
    if len(line) > 75 or b"\n" in line:
        fail("line longer than 75 octets or without CRLF: %r" % line)
calendar = icalendar.Calendar.from_ical(raw)
events = calendar.walk("VEVENT")
onsets = []  # (UTC onset, offset after it) of every observance
for definition in calendar.walk("VTIMEZONE"):
    if str(definition["TZID"]) != zone:
        fail("TZID %s is not the plain zone id %s" % (definition["TZID"], zone))
    for observance in definition.subcomponents:
        local = observance.decoded("DTSTART")
        onsets.append((local.replace(tzinfo=timezone.utc) - observance.decoded("TZOFFSETFROM"),
                       observance.decoded("TZOFFSETTO")))
instants = [e.decoded(p) for e in events for p in ("DTSTART", "DTEND")]
if zone != "UTC" and events:  # no event, no time to define
    tz = ZoneInfo(zone)
    start = datetime(first.year, first.month, first.day, tzinfo=tz)
    hours = [start.astimezone(timezone.utc) + timedelta(hours=h) for h in range(24 * days)]
    for instant in hours + instants:
        observed = max((o for o in onsets if o[0] <= instant), default=(None, None))[1]
        if observed != instant.astimezone(tz).utcoffset():
            fail("VTIMEZONE gives %s at %s, the zone database %s" % (observed, instant, instant.astimezone(tz).utcoffset()))
for event in events:
    for prop in ("DTSTART", "DTEND"):
        if event[prop].params.get("TZID", zone) != zone or (zone == "UTC" and event.decoded(prop).utcoffset()):
            fail("%s of %s is neither on %s nor in UTC" % (prop, event["UID"], zone))
    fields = [str(event["UID"]), str(int(event.decoded("DTSTART").timestamp())),
              str(int(event.decoded("DTEND").timestamp())), str(event["SUMMARY"]),
              event["CATEGORIES"].to_ical().decode(), str(event["DESCRIPTION"]).replace("\n", "|")]
    print("\t".join(fields))
