#include "app/program.h"

#include "app/form1.h"
#include "platform/application.h"

namespace {

// The name of the session's one run, in the session's own namespace.
const char* const singleRunName = "Local\\Festorin.OneRunPerSession";
// A first run that is still starting gets this long to show its window.
constexpr int waitForFirstRunMs = 10000;

}  // namespace

int runFestorin() {
    if (!platform::application::claimSingleRun(singleRunName)) {
        platform::application::handToRunningRun(TForm1::windowClass, TForm1::caption,
                                                platform::application::commandLine(),
                                                waitForFirstRunMs);
        return 0;
    }
    auto form = createMainForm();
    platform::application::run(*form);
    return 0;
}
