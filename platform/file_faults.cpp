#include "file_faults.h"

#include <map>

namespace platform::fs {

namespace {
// For each operation with a planned failure: how many calls still succeed.
std::map<Op, int>& plan() {
    static std::map<Op, int> faults;
    return faults;
}

std::map<Op, int>& calls() {
    static std::map<Op, int> counts;
    return counts;
}

int& heldReplaces() {
    static int times = 0;
    return times;
}
}  // namespace

void failAfter(Op op, int skip) { plan()[op] = skip; }

void clearFaults() {
    plan().clear();
    calls().clear();
    heldReplaces() = 0;
}

int callsOf(Op op) { return calls()[op]; }

bool faultDue(Op op) {
    ++calls()[op];
    auto found = plan().find(op);
    if (found == plan().end()) return false;
    if (found->second-- > 0) return false;
    plan().erase(found);
    return true;
}

void holdReplaceTarget(int times) { heldReplaces() = times; }

bool replaceTargetHeld() {
    int& times = heldReplaces();
    if (times == 0) return false;
    if (times != heldForever) --times;
    return true;
}

}  // namespace platform::fs
