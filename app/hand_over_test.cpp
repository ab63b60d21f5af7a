#include "app/hand_over.h"

#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

using Files = std::vector<std::string>;

const std::string programPath = "C:\\Festorin\\Festorin.exe";
const std::string program = app::quotedArgument(programPath);

// A hand-over of the program and one file, `size` bytes long in all.
std::string handOverOfSize(std::size_t size) {
    const std::size_t around = program.size() + 3;  // the blank and the file's two quotes
    return program + " \"" + std::string(size - around, 'x') + "\"";
}

std::string handOverOf(std::size_t files) {
    std::string text = program;
    for (std::size_t i = 0; i < files; ++i) text += " " + std::to_string(i) + ".vcf";
    return text;
}

// The bounds are exact on both sides: the running Festorin takes the largest
// hand-over a second start makes, and refuses one byte or one file more.
TEST(HandOver, TheBoundsHoldExactlyAndTheSendersBatchesAreAllTaken) {
    for (const std::uintptr_t tag : {app::utf8HandOverTag, app::ansiHandOverTag}) {
        EXPECT_TRUE(app::filesHandedOver(tag, handOverOfSize(app::largestHandOver)));
        EXPECT_FALSE(app::filesHandedOver(tag, handOverOfSize(app::largestHandOver + 1)));
        ASSERT_TRUE(app::filesHandedOver(tag, handOverOf(100)));
        EXPECT_EQ(app::filesHandedOver(tag, handOverOf(100))->size(), 100u);
        EXPECT_FALSE(app::filesHandedOver(tag, handOverOf(101)));
    }
    // The paths come out in UTF-8, from either form; the UTF-8 form must be
    // UTF-8.
    EXPECT_EQ(app::filesHandedOver(app::utf8HandOverTag, program + " \"Контакты.vcf\""),
              Files{"Контакты.vcf"});
    EXPECT_EQ(app::filesHandedOver(app::ansiHandOverTag, program + " No\xebl.vcf"),
              Files{"No\xc3\xabl.vcf"});
    EXPECT_FALSE(app::filesHandedOver(app::utf8HandOverTag, program + " No\xebl.vcf"));

    // 150 files, the last 30 with long names: every batch the sender makes
    // is taken, and together they name every file, in order.
    Files files;
    for (std::size_t i = 0; i < 150; ++i)
        files.push_back("C:\\Address books\\" + std::string(i < 120 ? 0 : 3000, 'a') +
                        std::to_string(i) + ".vcf");
    const std::vector<app::HandOver> batches = app::handOvers(programPath, files);
    EXPECT_EQ(batches.size(), 3u) << "bounded by files, then by bytes";
    Files taken;
    for (const app::HandOver& batch : batches) {
        EXPECT_LE(batch.text.size(), app::largestHandOver);
        const std::optional<Files> handed = app::filesHandedOver(app::utf8HandOverTag, batch.text);
        ASSERT_TRUE(handed) << batch.text.size() << " bytes, " << batch.fileCount << " files";
        EXPECT_EQ(handed->size(), batch.fileCount);
        taken.insert(taken.end(), handed->begin(), handed->end());
    }
    EXPECT_EQ(taken, files);

    // A batch that comes to the largest size is sent whole; one byte more
    // takes a second.
    const std::size_t room = app::largestHandOver - program.size() - std::string(" \"a\"").size();
    const std::string longName(room - std::string(" \"\"").size(), 'y');
    EXPECT_EQ(app::handOvers(programPath, {longName, "a"}).size(), 1u);
    EXPECT_EQ(app::handOvers(programPath, {longName, "ab"}).size(), 2u);
    EXPECT_EQ(app::handOvers(programPath, Files(150, "a.vcf")).size(), 2u);
}

}  // namespace
