// What keeps a user's logbook safe beyond the save itself: the copies kept before each save,
// the save into a folder that takes no new files, the temporaries a killed save leaves, and the
// claim that keeps two programs off one logbook.

#include "data/backups.h"
#include "data/error.h"
#include "data/fileio.h"
#include "data/fnlfile.h"
#include "data/logbooklock.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace fenlo;
using fenlo::test::readBytes;
using fenlo::test::TempDir;
using fenlo::test::writeBytes;

namespace fs = std::filesystem;

namespace {

Logbook bookNamed(const char *carName)
{
    Logbook book;
    book.clear();
    book.carName = carName;
    book.fuelings[1].moment = 40000;
    return book;
}

std::vector<std::string> namesIn(const std::string &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A folder where no file may be created while its files stay writable: immutable for root
// (whom permissions do not stop), read-only for anyone else.
class ClosedFolder
{
public:
    explicit ClosedFolder(const std::string &path) : path_(path)
    {
        if (::geteuid() != 0) {
            closed_ = ::chmod(path.c_str(), 0555) == 0;
            return;
        }
        setImmutable(true);
    }
    ~ClosedFolder()
    {
        if (!closed_)
            return;
        if (::geteuid() != 0)
            ::chmod(path_.c_str(), 0755);
        else
            setImmutable(false);
    }
    bool closed() const { return closed_; }

private:
    void setImmutable(bool on)
    {
        int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            closed_ = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0 && on;
        }
        if (fd >= 0)
            ::close(fd);
    }

    std::string path_;
    bool closed_ = false;
};

class SaveSafety : public ::testing::Test
{
protected:
    std::string saveWithBackups(const char *carName, std::string *problem = nullptr)
    {
        Logbook book = bookNamed(carName);
        FileHooks hooks;
        hooks.backups = &backups;
        hooks.backupFailed = [problem](const std::string &message) {
            if (problem)
                *problem = message;
        };
        writeLogbookFile(book, logbook, hooks);
        return serializeLogbook(book);
    }

    TempDir dir;
    TempDir data;
    std::string logbook = dir.file("car.fnl");
    BackupFolder backups{data.file("fenlo/backups")};
};

} // namespace

TEST_F(SaveSafety, EachSaveFirstKeepsTheFileItReplacesAndTheNewestTenStay)
{
    std::string first = saveWithBackups("first");
    EXPECT_FALSE(fs::exists(backups.path())) << "nothing was replaced, so nothing is kept";
    std::vector<std::string> saved{first};
    for (int i = 0; i < 11; ++i)
        saved.push_back(saveWithBackups(("car " + std::to_string(i)).c_str()));

    std::vector<std::string> copies = backups.copiesOf(logbook);
    ASSERT_EQ(copies.size(), BackupFolder::Kept);
    // The newest copy holds the file the last save replaced; the oldest kept is ten saves back.
    EXPECT_EQ(readBytes(copies.back()), saved[saved.size() - 2]);
    EXPECT_EQ(readBytes(copies.front()), saved[saved.size() - 11]);
    EXPECT_TRUE(fs::path(copies.front()).filename().string().starts_with("car_"));
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"car.fnl"}) << "never beside the file";

    // A copy opens like any logbook.
    Logbook reopened;
    EXPECT_EQ(readLogbookFile(reopened, copies.back()), LoadResult::Loaded);
    EXPECT_EQ(reopened.carName, "car 9");

    // A logbook of the same name in another folder keeps its own ten.
    TempDir other;
    writeBytes(other.file("car.fnl"), first);
    backups.keep(other.file("car.fnl"));
    EXPECT_EQ(backups.copiesOf(other.file("car.fnl")).size(), 1u);
    EXPECT_EQ(backups.copiesOf(logbook).size(), BackupFolder::Kept);
}

TEST_F(SaveSafety, ABackupThatCannotBeWrittenIsReportedAndTheSaveGoesOn)
{
    saveWithBackups("first");
    writeBytes(data.file("fenlo"), "a file where the backup folder should be");
    std::string problem;
    std::string second = saveWithBackups("second", &problem);
    EXPECT_EQ(problem, "バックアップを作成できませんでした（ファイルが見つかりません）");
    EXPECT_EQ(readBytes(logbook), second);
}

TEST_F(SaveSafety, AFolderThatTakesNoNewFilesIsWrittenInPlaceOnlyOnceTheBackupIsSafe)
{
    std::string first = saveWithBackups("first");
    ClosedFolder closed(dir.path());
    if (!closed.closed())
        GTEST_SKIP() << "this file system cannot close a folder to new files";

    // Without a backup nothing may be risked: refused as before, the file intact.
    Logbook book = bookNamed("no backup");
    book.modified = true;
    try {
        writeLogbookFile(book, logbook);
        ADD_FAILURE() << "saved without a temporary and without a backup";
    } catch (const FenloError &e) {
        EXPECT_STREQ(e.what(), "ファイルへのアクセスが拒否されました");
    }
    EXPECT_EQ(readBytes(logbook), first);
    EXPECT_TRUE(book.modified);

    std::string problem;
    std::string second = saveWithBackups("in place, a longer car name than before", &problem);
    EXPECT_EQ(problem, "");
    EXPECT_EQ(readBytes(logbook), second);
    std::string third = saveWithBackups("short", &problem);
    EXPECT_EQ(readBytes(logbook), third);
    ASSERT_EQ(backups.copiesOf(logbook).size(), 2u);
    EXPECT_EQ(readBytes(backups.copiesOf(logbook).back()), second);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"car.fnl"});
}

TEST_F(SaveSafety, ASaveLeavesNothingVisibleAndRemovesWhatAKilledSaveLeft)
{
    Logbook book = bookNamed("car");
    writeLogbookFile(book, logbook);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"car.fnl"});

    writeBytes(dir.file(".car.fnl.Ab3xYz"), "left by a killed save");
    writeBytes(dir.file(".car.fnl.keep"), "not a temporary of ours");
    writeBytes(dir.file(".other.fnl.Ab3xYz"), "another file's");
    writeLogbookFile(book, logbook);
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{".car.fnl.keep", ".other.fnl.Ab3xYz", "car.fnl"}));
}

TEST(LogbookLock, OneProgramAtATimeHoldsALogbookUntilItLetsGo)
{
    TempDir dir;
    const std::string path = dir.file("car.fnl");
    std::optional<LogbookLock> first = LogbookLock::acquire(path);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->covers(dir.path() + "/./car.fnl"));
    EXPECT_FALSE(first->covers(dir.file("other.fnl")));
    EXPECT_FALSE(LogbookLock::acquire(dir.path() + "/./car.fnl")) << "the same file, spelt apart";
    EXPECT_TRUE(LogbookLock::acquire(dir.file("other.fnl")));
    first.reset();
    EXPECT_TRUE(LogbookLock::acquire(path));
}

TEST(LogbookLock, ALockLeftByAProgramThatDiedIsTakenOver)
{
    TempDir dir;
    const std::string path = dir.file("car.fnl");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::optional<LogbookLock> held = LogbookLock::acquire(path);
        char byte = held ? 'y' : 'n';
        (void)::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'y');
    EXPECT_FALSE(LogbookLock::acquire(path)) << "held by another running program";
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_TRUE(LogbookLock::acquire(path));
}
