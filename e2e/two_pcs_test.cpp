// Two PCs, each with its own Wine prefix and Festorin.exe, whose data
// folders are one shared folder, as a sync engine keeps it: what one saves
// the other shows at its next tick, and what both change at once is merged,
// nobody lost and nobody doubled. Runs through scripts/two-pcs.sh, which
// starts the second PC's peer; skipped otherwise.
#include "e2e/two_pcs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <tuple>

#include "e2e/harness.h"

namespace {

using e2e::Festorin;
using e2e::Lines;
using e2e::Person;
using People = std::vector<Person>;

constexpr int rounds = 100;

e2e::Mailbox& peer() {
    static e2e::Mailbox mailbox(e2e::mailboxFolder());
    return mailbox;
}

// Far from today, so that no tick opens a reminder.
Person bornFarAway(const std::string& firstName, const std::string& surname) {
    const SYSTEMTIME day = e2e::dayFromToday(180);
    return e2e::enteredPerson(firstName, surname, day.wMonth, day.wDay);
}

Person withSurname(Person person, const std::string& surname) {
    person[2] = surname;
    return person;
}

People sorted(People people) {
    std::sort(people.begin(), people.end());
    return people;
}

People peopleInFile(const std::string& bytes) {
    People people;
    for (std::size_t at = 0; at + 364 <= bytes.size(); at += 364) {
        Person person;
        for (std::size_t offset : {0, 5, 66, 127, 188, 219, 250, 281, 302, 323}) {
            const std::size_t length = static_cast<unsigned char>(bytes[at + offset]);
            person.push_back(bytes.substr(at + offset + 1, length));
        }
        people.push_back(person);
    }
    return people;
}

void removeSharedFiles() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((e2e::sharedFolder() + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((e2e::sharedFolder() + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// What the peer answered: the boxes its action showed, then its grid.
struct PeerSaw {
    std::vector<std::string> boxes;
    People grid;
};

class TwoPcs : public ::testing::Test {
protected:
    void SetUp() override {
        if (e2e::mailboxFolder().empty() || e2e::sharedFolder().empty())
            GTEST_SKIP() << "two PCs are run by scripts/two-pcs.sh";
        removeSharedFiles();
        e2e::useSharedFolder();
    }

    void TearDown() override {
        if (peerStarted) ask({{"stop"}});
        if (here) here->closeAndWait();
    }

    // Both PCs started on what the shared folder holds.
    void startBoth(const People& people = {}) {
        if (!people.empty()) {
            std::FILE* file = std::fopen((e2e::sharedFolder() + "dates.txt").c_str(), "wb");
            const std::string bytes = e2e::contactRecords(people);
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        const Lines started = ask({{"start"}});
        peerStarted = started.at(0).at(0) == "started";
        ASSERT_TRUE(peerStarted) << "the other PC's Festorin did not start";
        here = std::make_unique<Festorin>();
        ASSERT_TRUE(here->started());
    }

    // A peer that once did not answer is not waited for again: its numbering
    // is lost, and every later test would wait out its time.
    Lines ask(const Lines& request) {
        static bool lost = false;
        if (lost) return {{"no answer"}};
        const std::optional<Lines> answer = peer().ask(request);
        lost = !answer;
        if (!answer) return {{"no answer"}};
        return *answer;
    }

    PeerSaw onThePeer(const std::string& command, const Person& person = {},
                      const std::string& argument = "") {
        Lines request{{command}};
        if (!argument.empty()) request[0].push_back(argument);
        if (!person.empty()) request.push_back(person);
        const Lines answer = ask(request);
        PeerSaw saw;
        EXPECT_EQ(answer.at(0).at(0), "boxes") << "the peer answered " << answer.at(0).at(0);
        saw.boxes.assign(answer.at(0).begin() + 1, answer.at(0).end());
        saw.grid.assign(answer.begin() + 1, answer.end());
        return saw;
    }

    People shared() const { return peopleInFile(e2e::readSharedFile("dates.txt")); }

    bool peerStarted = false;
    std::unique_ptr<Festorin> here;
};

TEST_F(TwoPcs, APersonAddedOnOnePcShowsOnTheOtherWithinOneTick) {
    startBoth();
    const Person ann = bornFarAway("Ann", "Laptop");
    EXPECT_TRUE(e2e::addPerson(*here, ann).empty());
    EXPECT_EQ(onThePeer("tick").grid, People{ann});
}

// The second PC's entries wait in its panel while the first one saves, so
// that its Ok saves over a list it has not read: merged, or read again at a
// tick of its own that came between, to the same end.
TEST_F(TwoPcs, PeopleAddedOnBothPcsAtOnceAreAllKeptOnce) {
    const Person ann = bornFarAway("Ann", "Both");
    startBoth({ann});
    const Person bob = bornFarAway("Bob", "Desktop");
    const Person cid = bornFarAway("Cid", "Laptop");
    onThePeer("enter", cid);
    EXPECT_TRUE(e2e::addPerson(*here, bob).empty());
    const PeerSaw peerSaw = onThePeer("ok");
    EXPECT_TRUE(peerSaw.boxes.empty());
    e2e::tick(*here);
    const People everyone = sorted({ann, bob, cid});
    EXPECT_EQ(sorted(peerSaw.grid), everyone);
    EXPECT_EQ(sorted(here->gridPeople()), everyone);
    EXPECT_EQ(sorted(shared()), everyone);
}

TEST_F(TwoPcs, APersonDeletedOnOnePcAndChangedOnTheOtherStaysChanged) {
    const Person dan = bornFarAway("Dan", "Before");
    startBoth({dan});
    EXPECT_TRUE(onThePeer("modify", dan, "After").boxes.empty());
    EXPECT_TRUE(e2e::deletePerson(*here, dan).empty());
    const PeerSaw peerSaw = onThePeer("ok");
    const Person changed = withSurname(dan, "After");
    EXPECT_EQ(peerSaw.grid, People{changed});
    e2e::tick(*here);
    EXPECT_EQ(here->gridPeople(), People{changed});
    EXPECT_EQ(shared(), People{changed});
}

void writeShared(const std::string& name, const std::string& bytes) {
    std::FILE* file = std::fopen((e2e::sharedFolder() + name).c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// The order chosen on the other PC re-sorts the list at a tick: the
// selection stays on its person, so that Delete deletes whom the user chose.
TEST_F(TwoPcs, AnOrderChosenOnTheOtherPcKeepsTheSelectionOnItsPerson) {
    const Person zed = bornFarAway("Zed", "Order");
    const Person amy = bornFarAway("Amy", "Order");
    startBoth({zed, amy});
    const People before = here->gridPeople();
    const int zedItem =
        static_cast<int>(std::find(before.begin(), before.end(), zed) - before.begin());
    here->selectGridItem(zedItem);
    writeShared("ordre_tri.txt", "1\r\n");
    e2e::tick(*here);
    ASSERT_EQ(here->gridPeople(), (People{amy, zed}));
    here->click(here->control("Button", "Delete"));
    here->settle();
    EXPECT_EQ(here->gridPeople(), People{amy});
    EXPECT_EQ(shared(), People{amy});
}

// The sync engine set one PC's save aside as a copy: the next tick merges it
// and moves it out of the engine's way, and says so once.
TEST_F(TwoPcs, AConflictCopyIsMergedAndMovedAside) {
    const Person ann = bornFarAway("Ann", "Both");
    const Person bob = bornFarAway("Bob", "Copy");
    startBoth({ann});
    const std::string copy = "dates (Ann's conflicted copy 2026-12-11).txt";
    writeShared(copy, e2e::contactRecords({ann, bob}));
    e2e::tick(*here);
    const e2e::MessageBoxSeen box = here->waitForMessageBox();
    EXPECT_EQ(box.text.find("Festorin merged a copy of the list that the sync engine had set "
                            "aside: " +
                            copy + "."),
              0u);
    EXPECT_NE(box.text.find("Bob Copy"), std::string::npos);
    here->answer(box, IDOK);
    here->settle();
    EXPECT_EQ(sorted(here->gridPeople()), sorted({ann, bob}));
    EXPECT_EQ(sorted(shared()), sorted({ann, bob}));
    EXPECT_EQ(GetFileAttributesA((e2e::sharedFolder() + copy).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA((e2e::sharedFolder() + "merged conflict copies\\" + copy).c_str()),
              INVALID_FILE_ATTRIBUTES);
    e2e::tick(*here);
    EXPECT_TRUE(here->openBoxes().empty());
}

enum Action { add, change, remove };

std::string whatIsDone(Action action, const Person& person) {
    const char* verbs[] = {"adds ", "changes ", "deletes "};
    return verbs[action] + person[1] + " " + person[2];
}

// Each round, the second PC opens its change first, the first PC acts and
// saves, and the second one finishes: its save meets a list it has not read.
// It deletes only someone the first PC left alone, since a tick of its own
// may have taken the first one's save meanwhile. The model: every row of the
// list before the round, less those either PC deleted or changed, with
// every row either added or made by a change.
TEST_F(TwoPcs, AHundredRoundsOfChangesOnBothPcsLoseAndDoubleNobody) {
    const unsigned seed = GetTickCount();
    std::printf("seed %u\n", seed);
    std::mt19937 random(seed);
    People model;
    for (int i = 0; i < 6; ++i) model.push_back(bornFarAway("P" + std::to_string(i), "Start"));
    startBoth(model);

    int made = 0;
    for (int round = 0; round < rounds && !HasFailure(); ++round) {
        auto anyOf = [&](const People& from) {
            return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
        };
        auto drawAction = [&] {
            return model.size() < 3
                       ? add
                       : static_cast<Action>(std::uniform_int_distribution(0, 2)(random));
        };
        const Action ours = drawAction();
        const Person ourTarget =
            ours == add ? bornFarAway("N" + std::to_string(made++), "Desktop") : anyOf(model);
        const Person ourChange = withSurname(ourTarget, "Desktop" + std::to_string(round));
        People leftAlone = model;
        if (ours != add) leftAlone.erase(std::find(leftAlone.begin(), leftAlone.end(), ourTarget));
        Action theirs = drawAction();
        if (theirs == remove && leftAlone.empty()) theirs = add;
        const Person theirTarget = theirs == add
                                       ? bornFarAway("N" + std::to_string(made++), "Laptop")
                                   : theirs == remove ? anyOf(leftAlone)
                                                      : anyOf(model);
        const Person theirChange = withSurname(theirTarget, "Laptop" + std::to_string(round));
        SCOPED_TRACE("round " + std::to_string(round) + ": this PC " + whatIsDone(ours, ourTarget) +
                     ", the other " + whatIsDone(theirs, theirTarget));

        if (theirs == add) onThePeer("enter", theirTarget);
        if (theirs == change) {
            ASSERT_TRUE(onThePeer("modify", theirTarget, theirChange[2]).boxes.empty());
        }
        const std::vector<std::string> refused =
            ours == add      ? e2e::addPerson(*here, ourTarget)
            : ours == change ? e2e::changeSurname(*here, ourTarget, ourChange[2])
                             : e2e::deletePerson(*here, ourTarget);
        ASSERT_TRUE(refused.empty()) << refused[0];
        const PeerSaw theirSave = onThePeer(theirs == remove ? "delete" : "ok",
                                            theirs == remove ? theirTarget : Person{});
        const bool bothChangedOne = ours == change && theirs == change && ourTarget == theirTarget;
        if (!bothChangedOne) {
            ASSERT_TRUE(theirSave.boxes.empty()) << theirSave.boxes[0];
        }

        People next = model;
        for (const auto& [action, target, changed] :
             {std::tuple{ours, ourTarget, ourChange},
              std::tuple{theirs, theirTarget, theirChange}}) {
            if (action != add)
                next.erase(std::remove(next.begin(), next.end(), target), next.end());
            if (action == add) next.push_back(target);
            if (action == change) next.push_back(changed);
        }
        model = next;
        e2e::tick(*here);
        const People peerGrid = onThePeer("tick").grid;
        ASSERT_EQ(sorted(here->gridPeople()), sorted(model));
        ASSERT_EQ(sorted(peerGrid), sorted(model));
    }
    EXPECT_EQ(sorted(shared()), sorted(model));
}

}  // namespace
