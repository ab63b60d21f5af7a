#pragma once
#include <string>

namespace bench {

// An empty folder of this name in the system's temporary folder; whatever
// an earlier run left in it is gone.
std::string freshTempFolder(const std::string& name);

}  // namespace bench
