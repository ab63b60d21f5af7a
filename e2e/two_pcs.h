#pragma once
// Two PCs whose Festorins share one synced data folder, each in a Wine
// prefix of its own. The test drives the first PC's Festorin itself and the
// second one's through a peer program running in the other prefix; the two
// talk by files in a mailbox folder that both prefixes see.
#include <optional>
#include <string>
#include <vector>

#include "e2e/festorin.h"

namespace e2e {

// The shared data folder and the mailbox, from FESTORIN_SHARED_FOLDER and
// FESTORIN_MAILBOX (Unix paths), as Windows paths ending in a backslash;
// empty when the test does not run as two PCs.
std::string sharedFolder();
std::string mailboxFolder();

// Makes this prefix's Festorin keep its list in the shared folder.
void useSharedFolder();
std::string readSharedFile(const std::string& name);
// A file of the shared folder written whole and renamed over the old one, as
// a sync engine brings another PC's version.
void replaceSharedFile(const std::string& name, const std::string& bytes);

// One line a message, the cells of a line apart by tabs.
using Lines = std::vector<std::vector<std::string>>;

class Mailbox {
public:
    explicit Mailbox(std::string folder) : folder_(std::move(folder)) {}
    // The test's side: a request, then its answer; nothing when the peer
    // did not answer within the time.
    std::optional<Lines> ask(const Lines& request, int timeoutMs = 120000);
    // The peer's side: the next request, nothing once the test asked it to end.
    std::optional<Lines> nextRequest();
    void answer(const Lines& lines);
    // The test's side: the peer is to end.
    void end() const;

private:
    std::string path(const char* kind, int number) const;
    std::string folder_;
    int next_ = 1;
};

// The user's actions on one Festorin, each waited for. Ok, Delete and a
// tick that answers return the texts of the boxes they showed, each
// answered (the question whether to take a list that lost most of its
// people with No); an action on a person not in the grid is not carried
// out, and says so.
std::vector<std::string> addPerson(const Festorin& festorin, const Person& person);
std::vector<std::string> deletePerson(const Festorin& festorin, const Person& person);
std::vector<std::string> changeSurname(const Festorin& festorin, const Person& person,
                                       const std::string& surname);
// The entry panel opened on a person, with a new surname typed; Ok is to come.
std::vector<std::string> openModify(const Festorin& festorin, const Person& person,
                                    const std::string& surname);
std::vector<std::string> pressOk(const Festorin& festorin);
void tick(const Festorin& festorin);
std::vector<std::string> tickAndAnswer(const Festorin& festorin);

}  // namespace e2e
