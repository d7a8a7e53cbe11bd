#pragma once

// Files as the core reads and writes them: the errors a user sees, sources of bytes, a line
// reader, and a writer that never damages the file it replaces.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace fenlo {

// The user-facing text of a failed file operation, from its errno value.
std::string fileErrorMessage(int err);

// Throws FenloError with the text for errno `err`.
[[noreturn]] void throwFileError(int err);

// True when `path` names an existing regular file (directly or through symbolic links).
bool fileExists(const std::string &path);

// Where the bytes of a text come from: a file or memory.
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes; 0 at the end. Throws FenloError on a read error.
    virtual std::size_t read(char *buffer, std::size_t size) = 0;
};

class FileSource : public ByteSource
{
public:
    // Opens the file for reading; throws FenloError when it cannot be opened.
    explicit FileSource(const std::string &path);
    ~FileSource() override;
    FileSource(const FileSource &) = delete;
    FileSource &operator=(const FileSource &) = delete;

    std::size_t read(char *buffer, std::size_t size) override;

private:
    int fd_ = -1;
};

class MemorySource : public ByteSource
{
public:
    explicit MemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
    std::size_t read(char *buffer, std::size_t size) override;

private:
    std::string bytes_;
    std::size_t pos_ = 0;
};

// Reads a text line by line, accepting CR LF and LF line ends, the way the runtime's text
// files are read. A line longer than the limit is refused instead of being read into memory
// whole, so a file without line breaks cannot exhaust the memory.
class LineReader
{
public:
    static constexpr std::size_t DefaultMaxLine = 1 << 20;

    explicit LineReader(ByteSource &source, std::size_t maxLine = DefaultMaxLine);

    // The rest of the current line without its line end; empty at the end of the text.
    // Throws LineTooLong.
    std::string readLine();
    // The same without a copy; the view is valid until the next read.
    std::string_view readLineView();

    // An integer value as the runtime's Read does it, followed by the end of its line: blanks,
    // tabs and line breaks before the token are skipped, the token ends at a blank, a tab or
    // the line end, the rest of that line is ignored. 0 at the end of the text. Throws
    // FenloError "入力値が数値ではありません" for a token that is not an integer.
    int readIntegerLine();

    // The next number token the same way, as its text: empty at the end of the text. Characters
    // of the token beyond `maxLength` are dropped, as the runtime's number buffer holds no more.
    std::string readTokenLine(std::size_t maxLength);

    bool atEnd();

    struct LineTooLong
    {
    };

private:
    bool fill();
    int peek();
    void skipRestOfLine();

    ByteSource &source_;
    std::size_t maxLine_;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool eof_ = false;
};

// Writes a file so that a failure can never damage what was there before: the bytes go to an
// unnamed temporary file in the target's folder, which is synced and then put in place of the
// target. The target keeps its permissions; a symbolic link keeps pointing to the file it
// names, which gets the new content. Until commit() succeeds the target is untouched.
//
// A save killed at any moment leaves the old or the new file whole and nothing a file manager
// shows: at most a hidden temporary (".car.fnl.XXXXXX"), which the next save of that file
// removes.
class SafeFileWriter
{
public:
    // Whether a target in a folder that takes no new files may be written in place instead.
    // Only a caller that has kept a copy of the target elsewhere may allow it, as a write in
    // place that fails part-way leaves the target damaged.
    enum class InPlace { Refuse, Allow };

    // Throws FenloError when the temporary file cannot be created (nor, when allowed, the
    // target opened for writing in place).
    explicit SafeFileWriter(const std::string &path, InPlace inPlace = InPlace::Refuse);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter &) = delete;
    SafeFileWriter &operator=(const SafeFileWriter &) = delete;

    // Full waits until the bytes are on the disk; None leaves that to the system, which only
    // a benchmark wants (to tell our cost from the disk's).
    enum class Sync { Full, None };

    void write(std::string_view bytes) { pending_.append(bytes); }
    // Throws FenloError; the target is then unchanged (unless written in place) and the
    // temporary gone.
    void commit(Sync sync = Sync::Full);

private:
    void openTemporary();
    void openInPlace(int temporaryError);
    void flushPending();
    void commitReplacing(Sync sync);
    void commitInPlace(Sync sync);
    void discard();

    std::string target_;
    std::string temp_; // the temporary's name while it has one
    std::string pending_;
    int fd_ = -1;
    bool inPlace_ = false;
};

} // namespace fenlo
