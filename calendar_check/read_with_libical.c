/* Reads each calendar with libical, the library of Evolution, strictly:
   any property or value it cannot parse, and any component that breaks
   RFC 5545's rules (a VALARM without its DESCRIPTION, a VEVENT without its
   UID or DTSTAMP, DTEND beside DURATION), fails the file. */
#include <libical/ical.h>
#include <stdio.h>
#include <stdlib.h>

static char* contentOf(const char* path) {
    FILE* file = fopen(path, "rb");
    if (!file) return NULL;
    fseek(file, 0, SEEK_END);
    const long size = ftell(file);
    fseek(file, 0, SEEK_SET);
    char* text = malloc((size_t)size + 1);
    const size_t read = fread(text, 1, (size_t)size, file);
    text[read] = '\0';
    fclose(file);
    return text;
}

static int holdsOnce(icalcomponent* component, const icalproperty_kind* kinds, int count) {
    for (int i = 0; i < count; ++i)
        if (icalcomponent_count_properties(component, kinds[i]) != 1) {
            fprintf(stderr, "not one %s in %s\n", icalproperty_kind_to_string(kinds[i]),
                    icalcomponent_as_ical_string(component));
            return 0;
        }
    return 1;
}

/* RFC 5545's rules for a yearly all-day event with a display alarm, as
   libical reads the file; libical's own check of a calendar without a
   METHOD asks for none of them. */
static int keepsTheRules(icalcomponent* event) {
    static const icalproperty_kind eventHas[] = {ICAL_UID_PROPERTY,     ICAL_DTSTAMP_PROPERTY,
                                                 ICAL_DTSTART_PROPERTY, ICAL_DTEND_PROPERTY,
                                                 ICAL_RRULE_PROPERTY,   ICAL_SUMMARY_PROPERTY};
    static const icalproperty_kind alarmHas[] = {ICAL_ACTION_PROPERTY, ICAL_TRIGGER_PROPERTY,
                                                 ICAL_DESCRIPTION_PROPERTY};
    icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
    return holdsOnce(event, eventHas, 6) &&
           icalcomponent_count_properties(event, ICAL_DURATION_PROPERTY) == 0 &&
           icalproperty_get_rrule(icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY))
                   .freq == ICAL_YEARLY_RECURRENCE &&
           icaltime_is_date(icalcomponent_get_dtstart(event)) && alarm &&
           holdsOnce(alarm, alarmHas, 3) &&
           icalproperty_get_action(icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY)) ==
               ICAL_ACTION_DISPLAY;
}

static int checkFile(const char* path) {
    char* text = contentOf(path);
    if (!text) {
        fprintf(stderr, "%s: cannot be read\n", path);
        return 1;
    }
    icalcomponent* calendar = icalparser_parse_string(text);
    free(text);
    if (!calendar || icalcomponent_isa(calendar) != ICAL_VCALENDAR_COMPONENT) {
        fprintf(stderr, "%s: no calendar\n", path);
        return 1;
    }
    static const icalproperty_kind calendarHas[] = {ICAL_VERSION_PROPERTY, ICAL_PRODID_PROPERTY};
    int failed = icalcomponent_count_errors(calendar) > 0 || !holdsOnce(calendar, calendarHas, 2);
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (!keepsTheRules(event)) {
            fprintf(stderr, "%s: an event breaks the rules\n", path);
            failed = 1;
        }
    }
    if (failed)
        fprintf(stderr, "%s: libical finds faults:\n%s\n", path,
                icalcomponent_as_ical_string(calendar));
    icalcomponent_free(calendar);
    return failed;
}

int main(int argc, char** argv) {
    icalerror_set_errors_are_fatal(0);
    int failed = 0;
    for (int i = 1; i < argc; ++i) failed |= checkFile(argv[i]);
    return failed;
}
