#include "file_faults.h"

#include <map>

namespace platform::fs {

namespace {
// For each operation with a planned failure: how many calls still succeed.
std::map<Op, int>& plan() {
    static std::map<Op, int> faults;
    return faults;
}
}  // namespace

void failAfter(Op op, int skip) { plan()[op] = skip; }

void clearFaults() { plan().clear(); }

bool faultDue(Op op) {
    auto found = plan().find(op);
    if (found == plan().end()) return false;
    if (found->second-- > 0) return false;
    plan().erase(found);
    return true;
}

}  // namespace platform::fs
