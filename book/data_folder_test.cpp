#include "data_folder.h"

#include <gtest/gtest.h>

#include "platform/file_faults.h"
#include "platform/headless/headless.h"
#include "test_support/test_folder.h"

namespace {

class DataFolderTest : public ::testing::Test {
protected:
    DataFolderTest() {
        platform::headless::reset();
        platform::fs::clearFaults();
        platform::headless::setAppDataFolder(appData.path());
        platform::headless::setExecutablePath("C:\\Apps\\Festorin\\Festorin.exe");
    }
    ~DataFolderTest() override { platform::fs::clearFaults(); }
    test_support::TestFolder appData;
};

TEST_F(DataFolderTest, UsesAnExistingFolder) {
    test_support::makeFolder(appData.path() + "\\FN");
    test_support::writeBytes(appData.path() + "\\FN\\dates.txt", "kept");
    EXPECT_EQ(book::resolveDataFolder(), appData.path() + "\\FN\\");
    EXPECT_EQ(test_support::readBytes(appData.path() + "\\FN\\dates.txt"), "kept");
}

TEST_F(DataFolderTest, CreatesTheFolderWhenMissing) {
    EXPECT_EQ(book::resolveDataFolder(), appData.path() + "\\FN\\");
    EXPECT_TRUE(test_support::exists(appData.path() + "\\FN"));
}

TEST_F(DataFolderTest, AppDataEndingInABackslashGetsNoSecondOne) {
    platform::headless::setAppDataFolder(appData.path() + "\\");
    EXPECT_EQ(book::resolveDataFolder(), appData.path() + "\\FN\\");
}

TEST_F(DataFolderTest, FallsBackToTheProgramsFolder) {
    platform::fs::failAfter(platform::fs::Op::MakeFolder);
    EXPECT_EQ(book::resolveDataFolder(), "C:\\Apps\\Festorin\\");

    platform::headless::setAppDataFolder(" \t");
    EXPECT_EQ(book::resolveDataFolder(), "C:\\Apps\\Festorin\\");
    platform::headless::setAppDataFolder("");
    EXPECT_EQ(book::resolveDataFolder(), "C:\\Apps\\Festorin\\");
}

}  // namespace
