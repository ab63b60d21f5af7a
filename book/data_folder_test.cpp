#include "data_folder.h"

#include <gtest/gtest.h>

#include "test_support/headless_fixture.h"

namespace {

class DataFolderTest : public test_support::HeadlessTest {
protected:
    DataFolderTest() { platform::headless::setExecutablePath("C:\\Apps\\Festorin\\Festorin.exe"); }
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
