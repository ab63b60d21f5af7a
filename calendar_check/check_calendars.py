"""Reads each calendar with Debian's python3-icalendar and expands every
birthday with python3-dateutil over the years the generator covers: each
occurrence must fall on the person's birthday (28 February in a common year
for 29 February), each alarm at 9:00 on the day Festorin's own daily check
opens the person's reminder window, and every text as Festorin shows it."""
import calendar
import datetime
import json
import pathlib
import sys

import icalendar
from dateutil import rrule

FIRST_YEAR, LAST_YEAR = 2027, 2032


def birthday_in(year, month, day):
    if month == 2 and day == 29 and not calendar.isleap(year):
        day = 28
    return datetime.date(year, month, day)


def occurrences(event):
    start = event.decoded("DTSTART")
    rule = rrule.rrulestr(event["RRULE"].to_ical().decode(),
                          dtstart=datetime.datetime.combine(start, datetime.time()))
    return [moment.date() for moment in rule.between(
        datetime.datetime(FIRST_YEAR, 1, 1), datetime.datetime(LAST_YEAR, 12, 31), inc=True)]


def check_event(event, expected):
    faults = []
    days = occurrences(event)
    wanted = [birthday_in(year, expected["month"], expected["day"])
              for year in range(FIRST_YEAR, LAST_YEAR + 1)]
    if days != wanted:
        faults.append(f"occurrences {days}, not {wanted}")
    if event.decoded("DTEND") - event.decoded("DTSTART") != datetime.timedelta(days=1):
        faults.append("not one day long")
    alarms = event.walk("VALARM")
    if len(alarms) != 1 or str(alarms[0]["ACTION"]) != "DISPLAY":
        faults.append("not one display alarm")
    else:
        trigger = alarms[0].decoded("TRIGGER")
        for day in days:
            alarm = datetime.datetime.combine(day, datetime.time()) + trigger
            due = datetime.date.fromisoformat(expected["reminders"][str(day.year)])
            if alarm != datetime.datetime.combine(due, datetime.time(9)):
                faults.append(f"alarm at {alarm} for {day}, not 9:00 on {due}")
        if str(alarms[0]["DESCRIPTION"]) != expected["summary"]:
            faults.append(f"alarm says {str(alarms[0]['DESCRIPTION'])!r}")
    if str(event["SUMMARY"]) != expected["summary"]:
        faults.append(f"summary {str(event['SUMMARY'])!r}, not {expected['summary']!r}")
    description = str(event.get("DESCRIPTION", ""))
    if description != expected["description"]:
        faults.append(f"description {description!r}, not {expected['description']!r}")
    if str(event["TRANSP"]) != "TRANSPARENT" or event["CATEGORIES"].to_ical() != b"Birthday":
        faults.append("not a free-time birthday")
    return faults


def check_calendar(path):
    expected = json.loads(path.with_suffix(".json").read_text(encoding="utf-8"))
    parsed = icalendar.Calendar.from_ical(path.read_bytes())
    events = parsed.walk("VEVENT")
    faults = []
    if len(events) != len(expected["events"]):
        faults.append(f"{len(events)} events, not {len(expected['events'])}")
    uids = [str(event["UID"]) for event in events]
    if len(set(uids)) != len(uids):
        faults.append("two events share an identifier")
    for number, (event, wanted) in enumerate(zip(events, expected["events"])):
        faults += [f"event {number}: {fault}" for fault in check_event(event, wanted)]
    return [f"{path.name}: {fault}" for fault in faults]


def main():
    paths = sorted(pathlib.Path(sys.argv[1]).glob("*.ics"))
    faults = [fault for path in paths for fault in check_calendar(path)]
    for fault in faults:
        print(fault)
    print(f"{len(paths)} calendars read, {len(faults)} faults")
    return 1 if faults or not paths else 0


if __name__ == "__main__":
    sys.exit(main())
