// The second PC of the two-PC end-to-end tests: a Festorin of this Wine
// prefix, driven as the tests ask through the mailbox, each answer carrying
// the boxes the action showed and the grid after it.
#include <cstdio>
#include <memory>

#include "e2e/two_pcs.h"

namespace {

using e2e::Lines;

Lines withGrid(const e2e::Festorin& festorin, std::vector<std::string> boxes) {
    boxes.insert(boxes.begin(), "boxes");
    Lines answer{boxes};
    for (const e2e::Person& person : festorin.gridPeople()) answer.push_back(person);
    return answer;
}

Lines carryOut(const Lines& request, std::unique_ptr<e2e::Festorin>& festorin) {
    const std::string& command = request.at(0).at(0);
    if (command == "start") {
        e2e::useSharedFolder();
        festorin = std::make_unique<e2e::Festorin>();
        return {{festorin->started() ? "started" : "not started"}};
    }
    if (!festorin) return {{"not started"}};
    if (command == "stop") {
        const bool ended = festorin->closeAndWait();
        festorin.reset();
        return {{ended ? "stopped" : "still running"}};
    }
    if (command == "enter") festorin->enterPerson(request.at(1));
    if (command == "modify")
        return withGrid(*festorin, e2e::openModify(*festorin, request.at(1), request.at(0).at(1)));
    if (command == "ok") return withGrid(*festorin, e2e::pressOk(*festorin));
    if (command == "delete")
        return withGrid(*festorin, e2e::deletePerson(*festorin, request.at(1)));
    if (command == "tick") return withGrid(*festorin, e2e::tickAndAnswer(*festorin));
    festorin->settle();
    return withGrid(*festorin, {});
}

}  // namespace

int main() {
    if (e2e::mailboxFolder().empty()) {
        std::printf("FESTORIN_MAILBOX is not set\n");
        return 2;
    }
    e2e::Mailbox mailbox(e2e::mailboxFolder());
    std::unique_ptr<e2e::Festorin> festorin;
    while (const std::optional<Lines> request = mailbox.nextRequest()) {
        try {
            mailbox.answer(carryOut(*request, festorin));
        } catch (const std::exception& error) {
            mailbox.answer({{"failed", error.what()}});
        }
    }
    if (festorin) festorin->closeAndWait();
    return 0;
}
