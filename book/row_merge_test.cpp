#include "row_merge.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using book::PersonRow;
using Rows = std::vector<PersonRow>;

PersonRow person(const std::string& key, const std::string& first, const std::string& phone = "") {
    return {key, first, "Smith", "", phone, "", "", "Other", "The exact day", "Birtday"};
}

const PersonRow ann = person("0101", "Ann");
const PersonRow bob = person("0202", "Bob");
const PersonRow cid = person("0303", "Cid");
const PersonRow dee = person("0404", "Dee");

Rows sorted(Rows rows) {
    std::sort(rows.begin(), rows.end());
    return rows;
}

Rows merged(const Rows& base, const Rows& theirs, const Rows& ours) {
    return sorted(book::mergeRows(base, theirs, ours).rows);
}

TEST(RowMerge, AdditionsOfBothSidesStayAndOneMadeOnBothOnce) {
    EXPECT_EQ(merged({ann}, {ann, bob}, {ann, cid}), sorted({ann, bob, cid}));
    EXPECT_EQ(merged({ann}, {ann, bob}, {ann, bob}), sorted({ann, bob}));
    EXPECT_EQ(merged({}, {bob, bob}, {}), sorted({bob, bob})) << "two added on one side stay two";
    EXPECT_EQ(merged({}, {bob, bob}, {bob}), sorted({bob, bob}));
    EXPECT_EQ(merged({}, {ann, bob}, {bob, cid}), sorted({ann, bob, cid}))
        << "an empty base keeps every row once";
}

TEST(RowMerge, DeletionsOfBothSidesApplyAndOneMadeOnBothOnce) {
    EXPECT_EQ(merged({ann, bob, cid}, {ann, cid}, {ann, bob}), Rows{ann});
    EXPECT_EQ(merged({ann, bob}, {ann}, {ann}), Rows{ann});
    EXPECT_EQ(merged({bob, bob, ann}, {bob, ann}, {bob, ann}), sorted({ann, bob}))
        << "one of two equal rows deleted on both sides goes once";
    EXPECT_EQ(merged({ann, bob}, {}, {ann, bob}), Rows{}) << "the other side emptied the list";
    EXPECT_EQ(merged({bob, bob, ann}, {bob, ann}, {ann}), Rows{ann})
        << "both copies of a doubled row deleted here and one there";
}

TEST(RowMerge, APersonChangedOnBothSidesKeepsBothNewRowsAndIsNamed) {
    const PersonRow annHome = person("0101", "Ann", "01 23");
    const PersonRow annWork = person("0101", "Ann", "04 56");
    const book::MergedRows result = book::mergeRows({ann, bob}, {annHome, bob}, {annWork, bob});
    EXPECT_EQ(sorted(result.rows), sorted({annHome, annWork, bob}));
    ASSERT_EQ(result.keptTwice.size(), 1u);
    EXPECT_EQ(result.keptTwice[0][book::colFirstName], "Ann");

    struct Case {
        const char* what;
        Rows base, theirs, ours;
        std::vector<std::string> named;
    };
    const PersonRow rob = person("0202", "Rob");
    const PersonRow annJones{"0101", "Ann",   "Jones",         "",       "", "",
                             "",     "Other", "The exact day", "Birtday"};
    const PersonRow annJonesHome{"0101", "Ann",   "Jones",         "",       "1", "",
                                 "",     "Other", "The exact day", "Birtday"};
    const Case cases[] = {
        {"a change of name there and of a phone here",
         {ann, bob},
         {ann, rob},
         {ann, person("0202", "Bob", "9")},
         {"Rob"}},
        {"a change of birthday here and of a phone there",
         {ann, bob},
         {ann, person("0202", "Bob", "9")},
         {ann, person("0203", "Bob")},
         {"Bob"}},
        {"one change there, two different rows here",
         {ann},
         {annHome},
         {annWork, person("0101", "Ann", "7")},
         {"Ann"}},
        {"Ann Smith changed there and Ann Jones here",
         {ann, annJones},
         {annHome, annJones},
         {ann, annJonesHome},
         {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> named;
        for (const PersonRow& row : book::mergeRows(c.base, c.theirs, c.ours).keptTwice)
            named.push_back(row[book::colFirstName]);
        EXPECT_EQ(named, c.named) << c.what;
    }

    const book::MergedRows same = book::mergeRows({ann}, {annHome}, {annHome});
    EXPECT_EQ(same.rows, Rows{annHome});
    EXPECT_TRUE(same.keptTwice.empty()) << "the same change on both sides is no conflict";
}

TEST(RowMerge, APersonDeletedOnOneSideAndChangedOnTheOtherStaysChanged) {
    const PersonRow annMoved = person("0102", "Ann");
    EXPECT_EQ(merged({ann, bob}, {bob}, {annMoved, bob}), sorted({annMoved, bob}));
    EXPECT_EQ(merged({ann, bob}, {annMoved, bob}, {bob}), sorted({annMoved, bob}));
    EXPECT_TRUE(book::mergeRows({ann, bob}, {bob}, {annMoved, bob}).keptTwice.empty());
}

TEST(RowMerge, TheFilesOrderComesFirstThenTheRowsAddedHere) {
    EXPECT_EQ(book::mergeRows({ann}, {cid, ann, bob}, {dee, ann}).rows, (Rows{cid, ann, bob, dee}));
}

TEST(RowMerge, NamesAreListedUpToTenThenCounted) {
    Rows people;
    for (int i = 0; i < 12; ++i) people.push_back(person("0101", "P" + std::to_string(i)));
    const std::string names = book::namesOf(people);
    EXPECT_EQ(names.substr(0, 20), "P0 Smith\r\nP1 Smith\r\n");
    EXPECT_EQ(names.find("P10"), std::string::npos);
    EXPECT_NE(names.find("P9 Smith\r\nand 2 more\r\n"), std::string::npos);
    people.resize(10);
    EXPECT_EQ(book::namesOf(people).find("more"), std::string::npos) << "exactly ten";
}

}  // namespace
