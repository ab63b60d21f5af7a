#include "app/program.h"

#include "app/command_line.h"
#include "app/form1.h"
#include "platform/application.h"
#include "platform/services.h"

namespace {

// The name of the session's one run, in the session's own namespace.
const char* const singleRunName = "Local\\Festorin.OneRunPerSession";
// A first run that is still starting gets this long to show its window.
constexpr int waitForFirstRunMs = 10000;

// The first run reads the files from its own current folder, which need not
// be this run's.
std::string withFullPaths(const std::string& commandLine) {
    std::string line = "\"" + platform::executablePath() + "\"";
    for (const std::string& file : app::commandLineArguments(commandLine))
        line += " \"" + platform::fullPath(file) + "\"";
    return line;
}

}  // namespace

int runFestorin() {
    const std::string commandLine = platform::application::commandLine();
    if (!platform::application::claimSingleRun(singleRunName)) {
        platform::application::handToRunningRun(TForm1::windowClass, TForm1::caption,
                                                withFullPaths(commandLine), waitForFirstRunMs);
        return 0;
    }
    auto form = createMainForm();
    form->offerAddressBooks(app::commandLineArguments(commandLine));
    platform::application::run(*form);
    return 0;
}
