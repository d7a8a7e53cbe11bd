// Saving, loading and importing that fail part-way, and unusual paths: whatever goes wrong,
// the previous file on disk stays byte for byte and the open logbook stays as it was.

#include "data/error.h"
#include "data/fileio.h"
#include "data/fnlfile.h"
#include "exchange/legacyimport.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace fenlo;
using fenlo::test::readBytes;
using fenlo::test::TempDir;
using fenlo::test::writeBytes;

namespace fs = std::filesystem;

namespace {

std::unique_ptr<Logbook> sampleBook(const char *carName)
{
    auto book = std::make_unique<Logbook>();
    book->carName = carName;
    book->makers[1] = {3, "\x83\x56\x83\x46\x83\x8b"}; // シェル
    for (int i = 1; i <= 300; ++i) {
        book->fuelings[i].moment = 40000 + i;
        book->fuelings[i].trip = Currency::fromUnits(400 + i);
        book->fuelings[i].litres = Currency::fromUnits(30);
        book->fuelings[i].makerCode = 3;
        book->fuelings[i].category = 1;
        book->fuelings[i].comment = "\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd " + std::to_string(i);
    }
    book->memos[1] = {40001, "memo"};
    return book;
}

size_t entriesIn(const std::string &folder)
{
    size_t n = 0;
    for ([[maybe_unused]] const auto &e : fs::directory_iterator(folder))
        ++n;
    return n;
}

// A file-size limit the writes run into: the disk is "full" after `bytes`.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        handler_ = ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tiny = old_;
        tiny.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        ::signal(SIGXFSZ, handler_);
    }

private:
    struct rlimit old_{};
    sighandler_t handler_;
};

// Bytes of a file that fail with an I/O error after the first `good` of them.
class FailingSource : public ByteSource
{
public:
    FailingSource(std::string bytes, size_t good) : bytes_(std::move(bytes)), good_(good) {}
    size_t read(char *buffer, size_t size) override
    {
        if (pos_ >= good_)
            throwFileError(EIO);
        size_t n = std::min({size, good_ - pos_, bytes_.size() - pos_});
        std::copy_n(bytes_.data() + pos_, n, buffer);
        pos_ += n;
        return n;
    }

private:
    std::string bytes_;
    size_t good_;
    size_t pos_ = 0;
};

} // namespace

TEST(SaveFaults, AFullDiskAtAnyPointLeavesThePreviousFileAndTheLogbook)
{
    TempDir dir;
    std::string path = dir.file("book.fnl");
    auto previous = sampleBook("previous");
    writeLogbookFile(*previous, path);
    const std::string before = readBytes(path);

    auto book = sampleBook("new");
    book->fuelings[1].comment = "changed";
    book->modified = true;
    book->fileName = "/elsewhere.fnl";
    const std::string expectedBytes = serializeLogbook(*book);
    const rlim_t size = expectedBytes.size();
    for (rlim_t limit : {rlim_t(1), rlim_t(100), rlim_t(4096), size / 3, size / 2, size - 1}) {
        std::string message;
        {
            FileSizeLimit full(limit);
            try {
                writeLogbookFile(*book, path);
            } catch (const FenloError &e) {
                message = e.what();
            }
        }
        EXPECT_EQ(message, "ディスクがいっぱいです") << "limit " << limit;
        EXPECT_EQ(readBytes(path), before) << "limit " << limit;
        EXPECT_EQ(entriesIn(dir.path()), 1u) << "a temporary file was left at limit " << limit;
        EXPECT_TRUE(book->modified);
        EXPECT_EQ(book->fileName, "/elsewhere.fnl");
    }
    ASSERT_TRUE(writeLogbookFile(*book, path));
    EXPECT_EQ(readBytes(path), expectedBytes);
}

TEST(SaveFaults, AFolderThatCannotBeWrittenLeavesThePreviousFile)
{
    TempDir dir;
    std::string folder = dir.file("locked");
    fs::create_directory(folder);
    std::string path = folder + "/book.fnl";
    auto previous = sampleBook("previous");
    writeLogbookFile(*previous, path);
    const std::string before = readBytes(path);

    // Root ignores permissions, but not an immutable folder.
    bool root = ::geteuid() == 0;
    std::string lock = "chattr +i '" + folder + "' 2>/dev/null";
    std::string unlock = "chattr -i '" + folder + "' 2>/dev/null";
    if (root ? std::system(lock.c_str()) != 0 : (fs::permissions(folder, fs::perms::owner_read |
                                                                         fs::perms::owner_exec),
                                                 false))
        GTEST_SKIP() << "no way to lock a folder here";

    auto book = sampleBook("new");
    book->modified = true;
    std::string message;
    try {
        writeLogbookFile(*book, path);
    } catch (const FenloError &e) {
        message = e.what();
    }
    if (root)
        EXPECT_EQ(std::system(unlock.c_str()), 0);
    else
        fs::permissions(folder, fs::perms::owner_all);
    EXPECT_EQ(message, "ファイルへのアクセスが拒否されました");
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(entriesIn(folder), 1u);
    EXPECT_TRUE(book->modified);
}

TEST(LoadFaults, AReadErrorAtAnyPointLeavesTheOpenLogbook)
{
    const std::string bytes = serializeLogbook(*sampleBook("file"));
    auto open = sampleBook("open");
    open->modified = true;
    open->fileName = "/open.fnl";
    const auto reference = sampleBook("open");
    for (size_t good = 0; good < bytes.size(); good += bytes.size() / 37) {
        FailingSource source(bytes, good);
        std::string message;
        try {
            parseLogbook(*open, source);
        } catch (const FenloError &e) {
            message = e.what();
        }
        EXPECT_EQ(message, "I/O エラー (5)") << "after " << good << " bytes";
        ASSERT_TRUE(open->sameData(*reference)) << "after " << good << " bytes";
        EXPECT_TRUE(open->modified);
        EXPECT_EQ(open->fileName, "/open.fnl");
    }
}

TEST(LoadFaults, AFileCutAtAnyLineFailsWithoutTouchingTheOpenLogbook)
{
    TempDir dir;
    const std::string bytes = serializeLogbook(*sampleBook("file"));
    auto open = sampleBook("open");
    const auto reference = sampleBook("open");
    // Cut inside the car name, the makers, the fuelings and the memos.
    for (size_t cut : {size_t(10), size_t(60), size_t(300), bytes.size() / 3, bytes.size() / 2,
                       bytes.size() - 3000}) {
        writeBytes(dir.file("cut.fnl"), bytes.substr(0, cut));
        try {
            readLogbookFile(*open, dir.file("cut.fnl"));
            ADD_FAILURE() << "a file cut at " << cut << " loaded";
        } catch (const FenloError &) {
        }
        ASSERT_TRUE(open->sameData(*reference)) << "cut at " << cut;
    }
}

TEST(ImportFaults, AFirstGenerationFileCutAnywhereImportsOrFailsCleanly)
{
    TempDir dir;
    std::string economy;
    for (int i = 1; i <= 40; ++i)
        economy += "2003\r\n" + std::to_string(i % 12 + 1) + "\r\n" + std::to_string(i % 28 + 1) +
                   "\r\n412.3\r\n35.62\r\n1\r\n1\r\n0.456\r\n11.6\r\n";
    writeBytes(dir.file("gas.dat"), "\x83\x56\x83\x46\x83\x8b\r\n");
    writeBytes(dir.file("syamei.dat"), "car\r\n");
    auto open = sampleBook("open");
    const auto reference = sampleBook("open");
    int failed = 0;
    for (size_t cut = 0; cut < economy.size(); cut += 37) {
        std::string damaged = economy.substr(0, cut) + "x" + economy.substr(cut);
        writeBytes(dir.file("nenpi.dat"), damaged);
        auto book = sampleBook("open");
        try {
            importLegacy(*book, dir.file("nenpi.dat"));
        } catch (const FenloError &) {
            ++failed;
            ASSERT_TRUE(book->sameData(*reference)) << "damage at " << cut;
        }
    }
    EXPECT_GT(failed, 0);
    EXPECT_TRUE(open->sameData(*reference));
}

TEST(FileReplaced, SavingOverAFileReplacedSinceLoadingWritesTheLogbookWhole)
{
    TempDir dir;
    std::string path = dir.file("book.fnl");
    auto first = sampleBook("first");
    writeLogbookFile(*first, path);
    auto book = std::make_unique<Logbook>();
    ASSERT_EQ(readLogbookFile(*book, path), LoadResult::Loaded);

    // Another program replaces the file (a new inode) while it is open here.
    std::string other = dir.file("other.fnl");
    writeBytes(other, "something else entirely");
    fs::rename(other, path);

    book->carName = "mine";
    ASSERT_TRUE(writeLogbookFile(*book, path));
    EXPECT_EQ(readBytes(path), serializeLogbook(*book));
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(Paths, SpacesAndJapaneseInFolderAndFileNames)
{
    TempDir dir;
    std::string folder = dir.file("燃費 データ (2026)");
    fs::create_directory(folder);
    std::string path = folder + "/わたしの 車.fnl";
    auto book = sampleBook("car");
    ASSERT_TRUE(writeLogbookFile(*book, path));
    auto loaded = std::make_unique<Logbook>();
    ASSERT_EQ(readLogbookFile(*loaded, path), LoadResult::Loaded);
    EXPECT_TRUE(loaded->sameData(*book));
    EXPECT_EQ(loaded->fileName, path);
}
