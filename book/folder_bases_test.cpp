#include "folder_bases.h"

#include <gtest/gtest.h>

#include <set>

#include "content_hash.h"
#include "platform/file_system.h"
#include "test_support/headless_fixture.h"

namespace {

using Rows = std::vector<book::PersonRow>;

class FolderBasesTest : public test_support::HeadlessTest {
protected:
    FolderBasesTest() { prepareDataFolder(); }

    // Each base file seen for the first time is made older than the ones after it.
    void ageNewBases(int secondsAgo) {
        for (const std::string& name : platform::fs::filesIn(dataFolder()))
            if (seen.insert(name).second)
                test_support::setWrittenSecondsAgo(dataFile(name), secondsAgo);
    }
    std::set<std::string> seen;
};

// Five folders in turn: the last four keep theirs, each written only when
// the list it was taken from changed; the standard folder keeps none.
TEST_F(FolderBasesTest, TheLastFoldersKeepTheirBasesEachWrittenOnlyWhenItChanged) {
    const Rows people{{"0101", "Ann"}, {"0202", "Bob"}};
    const book::KnownContactFile known{
        book::FileStamp{true, 728, 0, book::contentHash(book::recordsOf(people))}, people};
    book::FolderBases bases(dataFolder());
    std::vector<std::string> folders;
    for (int i = 0; i < 5; ++i) {
        folders.push_back(appData.path() + "\\Sync" + std::to_string(i) + "\\");
        bases.keep(folders.back(), known);
        ageNewBases(600 - 60 * i);
    }
    EXPECT_FALSE(bases.of(folders[0]));
    for (int i = 1; i < 5; ++i) EXPECT_EQ(bases.of(folders[i]), people) << i;
    bases.keep(dataFolder(), known);
    EXPECT_FALSE(bases.of(dataFolder()));
    EXPECT_EQ(platform::fs::filesIn(dataFolder()).size(), 4u);

    const auto writeTimes = [this] {
        std::vector<std::int64_t> times;
        for (const std::string& name : platform::fs::filesIn(dataFolder()))
            times.push_back(platform::fs::lastWriteTime(dataFile(name)));
        return times;
    };
    const std::vector<std::int64_t> before = writeTimes();
    book::FolderBases(dataFolder()).keep(folders[1], known);
    book::FolderBases(dataFolder()).keep(folders[2], known);
    EXPECT_EQ(writeTimes(), before);
    book::FolderBases later(dataFolder());
    later.keep(folders[1], {book::FileStamp{true, 364, 0, 8}, {people[0]}});
    EXPECT_EQ(later.of(folders[1]), Rows{people[0]});
}

}  // namespace
