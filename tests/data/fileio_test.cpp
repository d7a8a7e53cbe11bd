#include "data/error.h"
#include "data/fileio.h"
#include "data/fnlfile.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace fenlo;
using fenlo::test::readBytes;
using fenlo::test::TempDir;
using fenlo::test::writeBytes;

namespace fs = std::filesystem;

TEST(LineReader, SplitsCrLfAndLfAndKeepsALastLineWithoutBreak)
{
    MemorySource source("one\r\ntwo\nthree\r\n\r\nlast");
    LineReader in(source);
    EXPECT_EQ(in.readLine(), "one");
    EXPECT_EQ(in.readLine(), "two");
    EXPECT_EQ(in.readLine(), "three");
    EXPECT_EQ(in.readLine(), "");
    EXPECT_EQ(in.readLine(), "last");
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(in.readLine(), "");
}

TEST(LineReader, IntegerTokensSkipBlankLinesAndIgnoreTheRestOfTheirLine)
{
    MemorySource source("\r\n\n  \t42 rest of line\nnext\n-7\n");
    LineReader in(source);
    EXPECT_EQ(in.readIntegerLine(), 42);
    EXPECT_EQ(in.readLine(), "next");
    EXPECT_EQ(in.readIntegerLine(), -7);
    EXPECT_EQ(in.readIntegerLine(), 0); // at the end of the text
}

TEST(LineReader, LinesCrossingTheReadBufferAreWhole)
{
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += std::to_string(i) + std::string(static_cast<size_t>(i % 17), 'x') + "\r\n";
    MemorySource source(text);
    LineReader in(source);
    for (int i = 0; i < 20000; ++i)
        ASSERT_EQ(in.readLine(), std::to_string(i) + std::string(static_cast<size_t>(i % 17), 'x'));
    EXPECT_TRUE(in.atEnd());
}

TEST(FileErrors, MapTheSystemErrorsToTheRuntimeTexts)
{
    EXPECT_EQ(fileErrorMessage(ENOENT), "ファイルが見つかりません");
    EXPECT_EQ(fileErrorMessage(EACCES), "ファイルへのアクセスが拒否されました");
    EXPECT_EQ(fileErrorMessage(ENOSPC), "ディスクがいっぱいです");
    EXPECT_EQ(fileErrorMessage(EIO), "I/O エラー (5)");
}

class SafeSave : public ::testing::Test
{
protected:
    void SetUp() override
    {
        book.carName = "new";
        book.modified = true;
        book.fileName = "/somewhere/else.fnl";
        writeBytes(dir.file("book.fnl"), "previous content");
    }

    void expectUntouched()
    {
        EXPECT_EQ(readBytes(dir.file("book.fnl")), "previous content");
        EXPECT_TRUE(book.modified);
        EXPECT_EQ(book.fileName, "/somewhere/else.fnl");
        size_t entries = 0;
        for ([[maybe_unused]] const auto &e : fs::directory_iterator(dir.path()))
            ++entries;
        EXPECT_EQ(entries, 1u) << "a temporary file was left behind";
    }

    TempDir dir;
    Logbook book;
};

TEST_F(SafeSave, ADiskThatFillsUpLeavesThePreviousFileIntact)
{
    struct rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = old;
    tiny.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    std::string message;
    try {
        writeLogbookFile(book, dir.file("book.fnl"));
    } catch (const FenloError &e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(message, "ディスクがいっぱいです");
    expectUntouched();
}

TEST_F(SafeSave, AReadOnlyFolderLeavesThePreviousFileIntact)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(writeLogbookFile(book, dir.file("book.fnl")), FenloError);
    fs::permissions(dir.path(), fs::perms::owner_all);
    expectUntouched();
}

TEST_F(SafeSave, AVanishedFolderIsReportedAndNothingIsWritten)
{
    std::string path = dir.file("gone/book.fnl");
    try {
        writeLogbookFile(book, path);
        FAIL() << "saving into a missing folder succeeded";
    } catch (const FenloError &e) {
        EXPECT_STREQ(e.what(), "ファイルが見つかりません");
    }
    expectUntouched();
}

TEST_F(SafeSave, ReplacesTheFileKeepingItsPermissions)
{
    ::chmod(dir.file("book.fnl").c_str(), 0640);
    ASSERT_TRUE(writeLogbookFile(book, dir.file("book.fnl")));
    EXPECT_EQ(readBytes(dir.file("book.fnl")), serializeLogbook(book));
    struct stat st{};
    ::stat(dir.file("book.fnl").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_FALSE(book.modified);
}

TEST_F(SafeSave, WritesThroughASymbolicLinkToTheFileItNames)
{
    fs::create_directory(dir.file("real"));
    writeBytes(dir.file("real/target.fnl"), "old");
    fs::create_symlink("real/target.fnl", dir.file("link.fnl"));
    ASSERT_TRUE(writeLogbookFile(book, dir.file("link.fnl")));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.fnl")));
    EXPECT_EQ(readBytes(dir.file("real/target.fnl")), serializeLogbook(book));
    EXPECT_EQ(book.fileName, dir.file("link.fnl"));
}

TEST(SafeLoad, AnUnreadableFileFailsAndChangesNothing)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    TempDir dir;
    writeBytes(dir.file("locked.fnl"), serializeLogbook(Logbook{}));
    ::chmod(dir.file("locked.fnl").c_str(), 0);
    Logbook book;
    book.carName = "kept";
    EXPECT_THROW(readLogbookFile(book, dir.file("locked.fnl")), FenloError);
    EXPECT_EQ(book.carName, "kept");
}
