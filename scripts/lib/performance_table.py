"""Prints the README's table "Performance at 32,767 people" from the
benchmark program's JSON and the start-up probe's JSON."""
import json
import statistics
import sys

ORDERS = {0: "date", 1: "first name", 2: "surname", 3: "e-mail address"}


def medians(path):
    """Median real time of each benchmark, in milliseconds."""
    with open(path) as file:
        report = json.load(file)
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
    found = {}
    for run in report["benchmarks"]:
        if run.get("aggregate_name") == "median":
            found[run["run_name"]] = run["real_time"] * scale[run["time_unit"]]
    return found


def milliseconds(value):
    return f"{value:,.3g} ms" if value < 100 else f"{value:,.0f} ms"


def ratio(value, baseline):
    if value >= baseline:
        return f"{value / baseline:,.2f}x"
    return f"{baseline / value:,.0f}x less"


def row(what, value, baseline_what, baseline, target="", show=milliseconds):
    return (f"| {what} | {show(value)} | {baseline_what}: {show(baseline)} "
            f"| {ratio(value, baseline)} | {target} |")


def main(native_path, wine_path):
    bench = medians(native_path)
    with open(wine_path) as file:
        wine = json.load(file)
    start_full = statistics.median(wine["people_32767"]["seconds_to_first_paint"]) * 1e3
    start_empty = statistics.median(wine["empty"]["seconds_to_first_paint"]) * 1e3
    memory_full = statistics.median(wine["people_32767"]["peak_working_set_bytes"])
    memory_empty = statistics.median(wine["empty"]["peak_working_set_bytes"])
    file_bytes = wine["contact_file_bytes"]
    ok_full = statistics.median(wine["ok_seconds_32766"]) * 1e3
    ok_empty = statistics.median(wine["ok_seconds_empty"]) * 1e3
    shown_full = statistics.median(wine["ok_shown_seconds_32766"]) * 1e3
    shown_empty = statistics.median(wine["ok_shown_seconds_empty"]) * 1e3

    def megabytes(value):
        return f"{value / 1e6:,.1f} MB"

    lines = [
        "| Measure | Festorin | Baseline | Ratio | Target |",
        "|---|---|---|---|---|",
        row("Start-up to the main window's first paint, under Wine", start_full,
            "the same start with no contact file", start_empty, "under 1 s"),
        row("`loadContacts`: reading the contact file into the grid", bench["BM_LoadContacts"],
            "reading its bytes in one call", bench["BM_PlainRead"]),
        row("`saveContacts`: writing the contact file", bench["BM_SaveContacts"],
            "the same bytes through the same atomic replace", bench["BM_PlainWrite"]),
        row("One Ok adding the 32,767th person: checks, sort, save",
            bench["BM_OkAddsTheLastPerson"], "`saveContacts` alone", bench["BM_SaveContacts"],
            "under 50 ms"),
        row("The same Ok in a shared data folder, whose base the next tick keeps",
            bench["BM_OkAddsTheLastPersonInASharedFolder"], "the same Ok in `%APPDATA%\\FN`",
            bench["BM_OkAddsTheLastPerson"], "under 50 ms"),
        row("The same Ok in Festorin.exe under Wine, with the list view's update", ok_full,
            "the same Ok over an empty table", ok_empty),
        row("From that Ok to the window showing the closed panel and the new row, "
            "under Wine (the save follows)", shown_full,
            "the same over an empty table", shown_empty, "under 50 ms"),
    ]
    for column, order in ORDERS.items():
        lines.append(row(f"`sortPeople` by {order}", bench[f"BM_SortPeople/32767/{column}"],
                         "the exchange sort it matches",
                         bench[f"BM_LiteralExchangeSort/32767/{column}/iterations:1"]))
    lines += [
        row("File > Export...: the list as a vCard file, written whole",
            bench["BM_ExportVCardFile"], "the same bytes through the same atomic replace",
            bench["BM_ExportBaseline"], "under 200 ms"),
        row("File > Export...: the list as a calendar of yearly birthdays with their alarms, "
            "written whole", bench["BM_ExportCalendarFile"], "the vCard export of the same list",
            bench["BM_ExportVCardFile"], "under 200 ms"),
        row("`checkReminders` on a new day (about 90 reminders open)",
            bench["BM_CheckRemindersOnANewDay/iterations:365"],
            "a bare walk over every row's birthday", bench["BM_WalkEveryRow"]),
        row("`checkReminders` after 14 missed days, missed reminders shown (about 1,350 reminders open)",
            bench["BM_CheckRemindersAfterFourteenMissedDays/iterations:24"],
            "`checkReminders` on a new day", bench["BM_CheckRemindersOnANewDay/iterations:365"], "under 16 ms"),
        row("The tick after a save in a shared data folder: its look, and the file's bytes "
            "kept as the base of the next merge", bench["BM_TickAfterASaveKeepsTheBase"],
            "the tick's look at an unchanged contact file",
            bench["BM_TickWithTheContactFileUnchanged"], "under 100 ms"),
        row("Typing in the list: letters nobody's name begins with, every row looked at",
            bench["BM_TypedLettersFindNobody"], "every first name compared byte by byte",
            bench["BM_CompareEveryFirstName"], "under 16 ms"),
        row("Find Next finding nobody: every first name, surname and e-mail address looked through",
            bench["BM_FindNextFindsNobody"], "every first name compared byte by byte",
            bench["BM_CompareEveryFirstName"], "under 16 ms"),
        row("Undo of a Delete, to the window showing the person back, sorted and selected (the save follows)",
            bench["BM_UndoPutsBackADeletedPerson"], "`sortPeople` by date",
            bench["BM_SortPeople/32767/0"], "under 16 ms"),
        row("Undo of an import of 1,000 people, before its save",
            bench["BM_UndoTakesBackAnImportOf1000"], "`sortPeople` by date",
            bench["BM_SortPeople/32767/0"], "under 16 ms"),
        row("Peak working set with 32,767 people, under Wine", memory_full,
            "the contact file's bytes", file_bytes, "under 4x", megabytes),
        row("Peak working set with no contact file, under Wine", memory_empty,
            "the contact file's bytes", file_bytes, "", megabytes),
    ]
    print("\n".join(lines))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
