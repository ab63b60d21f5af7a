// The real file operations of the running platform: POSIX in the native
// tests, kernel32 when the same tests run under Wine.
#include "platform/file_system_native.h"

#include <gtest/gtest.h>

#include "test_support/test_folder.h"

namespace {

namespace native = platform::fs::native;
using platform::fs::Handle;
using platform::fs::invalidHandle;
using platform::fs::Replaced;
using test_support::readBytes;
using test_support::writeBytes;

class FileSystemNativeTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder.path() + "\\" + name; }

    void writeWhole(const std::string& name, const std::string& bytes) {
        Handle file = native::create(path(name));
        ASSERT_NE(file, invalidHandle);
        EXPECT_TRUE(native::write(file, bytes.data(), bytes.size()));
        EXPECT_TRUE(native::flush(file));
        EXPECT_TRUE(native::close(file));
    }

    test_support::TestFolder folder;
};

TEST_F(FileSystemNativeTest, TellsFilesFromFoldersMakesOneLevelAndOpensNoFolder) {
    writeBytes(path("file.txt"), "x");
    test_support::makeFolder(path("folder"));

    EXPECT_TRUE(native::fileExists(path("file.txt")));
    EXPECT_FALSE(native::folderExists(path("file.txt")));
    EXPECT_TRUE(native::folderExists(path("folder")));
    EXPECT_TRUE(native::folderExists(path("folder") + "\\"));
    EXPECT_FALSE(native::fileExists(path("folder")));
    EXPECT_FALSE(native::fileExists(path("missing")));
    EXPECT_FALSE(native::folderExists(path("missing")));

    EXPECT_TRUE(native::makeFolder(path("FN") + "\\"));
    EXPECT_TRUE(native::folderExists(path("FN")));
    EXPECT_FALSE(native::makeFolder(path("FN")));
    EXPECT_FALSE(native::makeFolder(path("a") + "\\b"));
    EXPECT_FALSE(native::folderExists(path("a")));

    test_support::makeFolder(path("dates.txt"));
    EXPECT_EQ(native::openRead(path("dates.txt")), invalidHandle);
    EXPECT_EQ(native::openRead(path("missing.txt")), invalidHandle);
    EXPECT_EQ(native::create(path("missing") + "\\dates.txt"), invalidHandle);
}

// Binary files: a CR LF and zero bytes come back exactly as written; create
// cuts an existing file, and reading past the end fails.
TEST_F(FileSystemNativeTest, WritesReadsAndCutsBytesExactly) {
    const std::string bytes("*\r\n\0\x01\xff\n", 7);
    writeWhole("st.txt", bytes);
    EXPECT_EQ(readBytes(path("st.txt")), bytes);

    Handle file = native::openRead(path("st.txt"));
    ASSERT_NE(file, invalidHandle);
    EXPECT_EQ(native::size(file), 7);
    std::string back(7, '?');
    EXPECT_TRUE(native::read(file, back.data(), back.size()));
    EXPECT_EQ(back, bytes);
    char more = 0;
    EXPECT_FALSE(native::read(file, &more, 1));
    EXPECT_TRUE(native::close(file));

    writeBytes(path("dates.txt"), std::string(364 * 3, 'a'));
    writeWhole("dates.txt", "b");
    EXPECT_EQ(readBytes(path("dates.txt")), "b");

    writeBytes(path("dates.txt"), std::string(100, 'a'));
    file = native::openRead(path("dates.txt"));
    ASSERT_NE(file, invalidHandle);
    std::string record(364, '\0');
    EXPECT_FALSE(native::read(file, record.data(), record.size()));
    native::close(file);
}

TEST_F(FileSystemNativeTest, ReplaceMovesTheNewFileOverTheOldOneAndRemoveTakesFilesOnly) {
    writeBytes(path("dates.txt"), "old");
    writeBytes(path("dates.txt.tmp"), "new");
    EXPECT_EQ(native::replace(path("dates.txt.tmp"), path("dates.txt")), Replaced::Yes);
    EXPECT_EQ(readBytes(path("dates.txt")), "new");
    EXPECT_FALSE(test_support::exists(path("dates.txt.tmp")));

    writeBytes(path("first.tmp"), "first");
    EXPECT_EQ(native::replace(path("first.tmp"), path("first.txt")), Replaced::Yes);
    EXPECT_EQ(readBytes(path("first.txt")), "first");

    writeBytes(path("dates.txt"), "old");
    EXPECT_EQ(native::replace(path("gone.tmp"), path("dates.txt")), Replaced::No);
    EXPECT_EQ(readBytes(path("dates.txt")), "old");

    writeBytes(path("st.txt"), "*\r\n");
    EXPECT_TRUE(native::remove(path("st.txt")));
    EXPECT_FALSE(native::fileExists(path("st.txt")));
    EXPECT_FALSE(native::remove(path("st.txt")));
}

// A UTF-8 path names a folder or a file in any language, whatever the ANSI
// code page: made, created, replaced, read and removed by that name.
TEST_F(FileSystemNativeTest, AUtf8PathNamesAFileInAnyLanguage) {
    const std::string folderName = path("Документы");
    EXPECT_TRUE(native::makeFolder(folderName));
    EXPECT_TRUE(native::folderExists(folderName + "\\"));
    const std::string contacts = folderName + "\\Контакты.vcf";
    writeBytes(contacts, "old");
    EXPECT_TRUE(native::fileExists(contacts));
    EXPECT_GE(native::lastWriteTime(contacts), 0);
    Handle file = native::create(contacts + ".tmp");
    ASSERT_NE(file, invalidHandle);
    EXPECT_TRUE(native::write(file, "new", 3));
    EXPECT_TRUE(native::close(file));
    EXPECT_EQ(native::replace(contacts + ".tmp", contacts), Replaced::Yes);
    EXPECT_EQ(readBytes(contacts), "new");
    file = native::openRead(contacts);
    ASSERT_NE(file, invalidHandle);
    EXPECT_EQ(native::size(file), 3);
    EXPECT_TRUE(native::close(file));
    EXPECT_TRUE(native::remove(contacts));
    EXPECT_FALSE(test_support::exists(contacts));
}

}  // namespace
