#include "app/program.h"

#include "app/hand_over.h"
#include "app/main_window.h"
#include "platform/application.h"
#include "platform/message_box.h"
#include "platform/services.h"

namespace {

using platform::application::HandOverResult;

// The name of the session's one run, in the session's own namespace.
const char* const singleRunName = "Local\\Festorin.OneRunPerSession";
// A first run that is still starting gets this long to show its window.
constexpr int waitForFirstRunMs = 10000;
constexpr int lookAgainAfterMs = 50;
// A running Festorin takes a hand-over at once, even with a box open; one
// that does not answer in this time is stuck.
constexpr int answerTimeMs = 5000;

enum class HandOverEnd { Taken, NotTaken, FirstRunGone };

// Until the first run's window answers, or the first run is gone (and this
// run then holds the claim), or the wait for it runs out.
HandOverEnd handToFirstRun(const std::string& handOver) {
    for (int waitedMs = 0;; waitedMs += lookAgainAfterMs) {
        switch (platform::application::handToRunningRun(MainWindow::windowClass,
                                                        MainWindow::caption, app::utf8HandOverTag,
                                                        handOver, answerTimeMs)) {
            case HandOverResult::Taken:
                return HandOverEnd::Taken;
            case HandOverResult::NotTaken:
                return HandOverEnd::NotTaken;
            case HandOverResult::NoWindow:
                break;
        }
        if (platform::application::claimSingleRun(singleRunName)) return HandOverEnd::FirstRunGone;
        if (waitedMs >= waitForFirstRunMs) return HandOverEnd::NotTaken;
        platform::pause(lookAgainAfterMs);
    }
}

void tellHandOverFailed(bool withFiles) {
    const std::string text =
        withFiles ? "Festorin is already running but does not answer, so the files were not "
                    "given to it. Try again in a moment."
                  : "Festorin is already running but does not answer. Try again in a moment.";
    platform::messageBox(text, MainWindow::caption, platform::MbIcon::Exclamation,
                         platform::MbButtons::Ok);
}

// The first run reads the files from its own current folder, which need not
// be this run's.
std::vector<std::string> fullPathsUtf8(const std::vector<std::string>& utf8Files) {
    std::vector<std::string> full;
    for (const std::string& file : utf8Files) full.push_back(platform::fullPathUtf8(file));
    return full;
}

// What this run does once it has handed its files to the first.
enum class AfterHandOver {
    End,         // the first took every file, or the user was told it does not answer
    RunAsFirst,  // the first is gone: this run takes the files it did not
};

// Leaves `utf8Files` with those the first run did not take when it is gone.
// The first run skips the program's path.
AfterHandOver handOverToFirstRun(std::vector<std::string>& utf8Files) {
    const std::vector<app::HandOver> handOvers =
        app::handOvers(platform::executablePath(), utf8Files);
    std::size_t taken = 0;
    for (const app::HandOver& handOver : handOvers) {
        switch (handToFirstRun(handOver.text)) {
            case HandOverEnd::Taken:
                taken += handOver.fileCount;
                break;
            case HandOverEnd::NotTaken:
                tellHandOverFailed(!utf8Files.empty());
                return AfterHandOver::End;
            case HandOverEnd::FirstRunGone:
                utf8Files.erase(utf8Files.begin(),
                                utf8Files.begin() + static_cast<std::ptrdiff_t>(taken));
                return AfterHandOver::RunAsFirst;
        }
    }
    return AfterHandOver::End;
}

}  // namespace

int runFestorin() {
    std::vector<std::string> utf8Files = platform::application::commandLineArgumentsUtf8();
    if (!platform::application::claimSingleRun(singleRunName)) {
        utf8Files = fullPathsUtf8(utf8Files);
        if (handOverToFirstRun(utf8Files) == AfterHandOver::End) return 0;
    }
    auto form = createMainWindow();
    form->offerAddressBooks(utf8Files);
    platform::application::run(*form);
    return 0;
}
