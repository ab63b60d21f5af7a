// Starts the real Festorin.exe over an empty data folder and over a contact
// file of 32,767 people, several times each, and prints as JSON how long it
// took until the main window and its grid were first painted, and the peak
// working set of the process then, beside the size of the contact file.
// Then, over 32,766 people, how long one Ok that adds a person takes, with
// its sort and its save, and how long until the window shows it done (the
// panel closed and drawn, before the save), each against the same over an
// empty table.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "e2e/harness.h"
// After <windows.h>, which the harness brings.
#include <psapi.h>

namespace {

constexpr int maxPeople = 32767;
constexpr int startsEach = 5;

double secondsNow() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string numberedPeople(int count) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count) * 364);
    for (int i = 1; i <= count; ++i) {
        const std::string number = std::to_string(i);
        e2e::Person person =
            e2e::enteredPerson("Firstname" + number, "Surname" + number, 1 + i % 12, 1 + i % 28);
        person[3] = "person" + number + "@example.org";
        person[4] = "0102030405";
        bytes += e2e::contactRecord(person);
    }
    return bytes;
}

struct Run {
    double secondsToFirstPaint = 0;
    SIZE_T peakWorkingSet = 0;
};

// Shown, and neither the window nor its grid waits for a paint any more.
bool painted(HWND main) {
    if (!main || !IsWindowVisible(main) || GetUpdateRect(main, nullptr, FALSE)) return false;
    HWND grid = FindWindowExA(main, nullptr, "SysListView32", nullptr);
    return grid && !GetUpdateRect(grid, nullptr, FALSE);
}

Run startOnce(const std::string& exe) {
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = secondsNow();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw std::runtime_error("cannot start " + exe);
    HWND main = nullptr;
    while (!painted(main)) {
        if (secondsNow() - start > 60) throw std::runtime_error("no first paint within 60 s");
        main = e2e::mainWindowOf(process.dwProcessId);
        Sleep(1);
    }
    Run run;
    run.secondsToFirstPaint = secondsNow() - start;
    Sleep(500);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
        run.peakWorkingSet = memory.PeakWorkingSetSize;
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

// Festorin over the contact file, with a person entered and Ok still to
// come; the seconds that `pressOk` measures, once the person is saved.
double secondsOfOk(const std::string& contactFile, double (*pressOk)(const e2e::Festorin&)) {
    e2e::clearDataFolder();
    if (!contactFile.empty()) e2e::writeDataFile("dates.txt", contactFile);
    e2e::Festorin festorin;
    if (!festorin.started()) throw std::runtime_error("Festorin did not start");
    festorin.enterPerson(e2e::enteredPerson("Noor", "Added", 6, 17));
    const double seconds = pressOk(festorin);
    if (festorin.dataFile("dates.txt").size() != contactFile.size() + 364)
        throw std::runtime_error("Ok did not save the added person");
    return seconds;
}

// The click waits for Ok's handler: its checks, the new row, the sort and the save.
double untilOkIsDone(const e2e::Festorin& festorin) {
    const double start = secondsNow();
    festorin.click(festorin.okButton());
    return secondsNow() - start;
}

// The click is posted; the time runs until the panel is hidden and neither
// the window nor its grid waits for a paint, which comes before the save.
double untilOkIsShown(const e2e::Festorin& festorin) {
    const HWND ok = festorin.okButton();
    const double start = secondsNow();
    festorin.clickLater(ok);
    while (IsWindowVisible(ok) || !painted(festorin.mainWindow())) {
        if (secondsNow() - start > 60) throw std::runtime_error("Ok not shown within 60 s");
        Sleep(1);
    }
    return secondsNow() - start;
}

std::vector<double> severalOks(const std::string& contactFile,
                               double (*pressOk)(const e2e::Festorin&)) {
    std::vector<double> seconds;
    for (int i = 0; i < startsEach; ++i) seconds.push_back(secondsOfOk(contactFile, pressOk));
    return seconds;
}

template <typename Value>
void printList(const std::vector<Value>& values, const char* format) {
    std::printf("[");
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) std::printf(", ");
        std::printf(format, values[i]);
    }
    std::printf("]");
}

void printSeconds(const char* name, const std::vector<double>& seconds) {
    std::printf("  \"%s\": ", name);
    printList(seconds, "%.4f");
    std::printf(",\n");
}

void printRuns(const char* name, const std::vector<Run>& runs, bool last) {
    std::vector<double> seconds;
    std::vector<unsigned long> peaks;
    for (const Run& run : runs) {
        seconds.push_back(run.secondsToFirstPaint);
        peaks.push_back(static_cast<unsigned long>(run.peakWorkingSet));
    }
    std::printf("  \"%s\": {\"seconds_to_first_paint\": ", name);
    printList(seconds, "%.4f");
    std::printf(", \"peak_working_set_bytes\": ");
    printList(peaks, "%lu");
    std::printf("}%s\n", last ? "" : ",");
}

std::vector<Run> startSeveralTimes(const std::string& exe, const std::string& contactFile) {
    std::vector<Run> runs;
    for (int i = 0; i < startsEach; ++i) {
        e2e::clearDataFolder();
        if (!contactFile.empty()) e2e::writeDataFile("dates.txt", contactFile);
        runs.push_back(startOnce(exe));
    }
    return runs;
}

}  // namespace

int main() {
    try {
        const std::string exe = e2e::festorinExe();
        const std::string people = numberedPeople(maxPeople);
        const std::vector<Run> empty = startSeveralTimes(exe, "");
        const std::vector<Run> full = startSeveralTimes(exe, people);
        const std::string allButOne = numberedPeople(maxPeople - 1);
        const std::vector<double> okOnEmpty = severalOks("", untilOkIsDone);
        const std::vector<double> okOnFull = severalOks(allButOne, untilOkIsDone);
        const std::vector<double> shownOnEmpty = severalOks("", untilOkIsShown);
        const std::vector<double> shownOnFull = severalOks(allButOne, untilOkIsShown);
        e2e::clearDataFolder();
        std::printf("{\n  \"contact_file_bytes\": %lu,\n",
                    static_cast<unsigned long>(people.size()));
        printSeconds("ok_seconds_empty", okOnEmpty);
        printSeconds("ok_seconds_32766", okOnFull);
        printSeconds("ok_shown_seconds_empty", shownOnEmpty);
        printSeconds("ok_shown_seconds_32766", shownOnFull);
        printRuns("empty", empty, false);
        printRuns("people_32767", full, true);
        std::printf("}\n");
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "start_up_probe: %s\n", error.what());
        return 1;
    }
}
