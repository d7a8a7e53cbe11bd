#include "data/fnlfile.h"

#include "data/backups.h"
#include "data/error.h"
#include "data/fileio.h"
#include "data/messages.h"
#include "data/numformat.h"

#include <memory>

namespace fenlo {
namespace {

constexpr int RecordsPerStep = 100;

void report(const FileHooks &hooks, int position)
{
    if (hooks.progress)
        hooks.progress(position);
}

// Raises the gauge by `step` every hundred records, as both directions of the file do.
class StepGauge
{
public:
    StepGauge(const FileHooks &hooks, int step, int start) : hooks_(hooks), step_(step), pos_(start)
    {
    }
    void record()
    {
        if (++count_ == RecordsPerStep) {
            count_ = 0;
            pos_ += step_;
            report(hooks_, pos_);
        }
    }

private:
    const FileHooks &hooks_;
    int step_;
    int pos_;
    int count_ = 0;
};

// The lines of one record, in the order the file holds them: the reader and the writer both
// walk them here, so the two can never disagree. `line` takes each field in turn.
template <typename M, typename Line> void makerLines(M &maker, Line &&line)
{
    line(maker.code);
    line(maker.name);
}

// The comment is the last line of a fueling; the older format has none.
template <typename F, typename Line> void fuelingLines(F &fueling, Line &&line)
{
    line(fueling.moment);
    line(fueling.odometer);
    line(fueling.trip);
    line(fueling.litres);
    line(fueling.makerCode);
    line(fueling.category);
    line(fueling.amount);
    line(fueling.economy);
    line(fueling.comment);
}

template <typename M, typename Line> void memoLines(M &memo, Line &&line)
{
    line(memo.date);
    line(memo.text);
}

class Reader
{
public:
    explicit Reader(ByteSource &source) : lines_(source) {}

    std::string text() { return lines_.readLine(); }

    // One field from its line. Without texts (a fueling of the older format) a text field is
    // left empty and no line is read for it.
    void operator()(std::string &value) { value = texts_ ? lines_.readLine() : std::string(); }
    void operator()(std::int32_t &value) { value = lines_.readIntegerLine(); }
    void operator()(double &value) { value = parseFloat(lines_.readLineView()); }
    void operator()(Currency &value) { value = parseCurrency(lines_.readLineView()); }

    void setTexts(bool on) { texts_ = on; }

private:
    LineReader lines_;
    bool texts_ = true;
};

void readMakerTable(Reader &in, Logbook &book)
{
    for (Maker &g : book.makers)
        makerLines(g, in);
}

void readFuelingTable(Reader &in, Logbook &book, bool withComments, const FileHooks &hooks)
{
    report(hooks, 0);
    StepGauge gauge(hooks, 10, 0);
    in.setTexts(withComments);
    for (Fueling &r : book.fuelings) {
        fuelingLines(r, in);
        gauge.record();
    }
    in.setTexts(true);
}

void readMemoTable(Reader &in, Logbook &book)
{
    for (Memo &m : book.memos)
        memoLines(m, in);
}

void putLine(std::string &out, std::string_view value)
{
    out.append(value);
    out.append("\r\n");
}

// Writes each field as its line: numbers in the general form, codes as integers.
struct Writer
{
    std::string &out;

    void operator()(const std::string &value) { putLine(out, value); }
    void operator()(std::int32_t value) { putLine(out, std::to_string(value)); }
    void operator()(double value) { putLine(out, formatGeneral(value)); }
    void operator()(Currency value) { putLine(out, formatGeneral(value)); }
};

} // namespace

LoadResult parseLogbook(Logbook &book, ByteSource &source, const FileHooks &hooks)
{
    Reader in(source);
    std::string header;
    try {
        header = in.text();
    } catch (const LineReader::LineTooLong &) {
        return LoadResult::NotLogbook;
    }
    bool current = header == HeaderV3;
    if (!current && header != HeaderV2)
        return LoadResult::NotLogbook;
    if (!current && hooks.olderFormat)
        hooks.olderFormat();

    // A logbook is large enough (about 100 kB) to live on the heap while it is read.
    auto fresh = std::make_unique<Logbook>();
    try {
        fresh->carName = in.text();
        readMakerTable(in, *fresh);
        readFuelingTable(in, *fresh, current, hooks);
        if (current)
            readMemoTable(in, *fresh);
    } catch (const LineReader::LineTooLong &) {
        throw FenloError(msg::NotLogbookV3);
    }
    fresh->sortMakers();
    fresh->sortFuelings();
    fresh->sortMemos();
    report(hooks, 100);
    report(hooks, 0);

    fresh->modified = false;
    fresh->fileName = book.fileName;
    book = std::move(*fresh);
    return LoadResult::Loaded;
}

LoadResult readLogbookFile(Logbook &book, const std::string &path, const FileHooks &hooks)
{
    if (!fileExists(path))
        return LoadResult::NoSuchFile;
    FileSource source(path);
    LoadResult result = parseLogbook(book, source, hooks);
    if (result == LoadResult::Loaded)
        book.fileName = path;
    return result;
}

std::string serializeLogbook(const Logbook &book, const FileHooks &hooks)
{
    std::string out;
    out.reserve(256 * 1024);
    putLine(out, HeaderV3);
    putLine(out, book.carName);
    Writer put{out};
    for (const Maker &g : book.makers)
        makerLines(g, put);
    report(hooks, 0);
    StepGauge gauge(hooks, 5, 0);
    for (const Fueling &r : book.fuelings) {
        fuelingLines(r, put);
        gauge.record();
    }
    StepGauge memoGauge(hooks, 5, 50);
    for (const Memo &m : book.memos) {
        memoLines(m, put);
        memoGauge.record();
    }
    return out;
}

bool writeLogbookFile(Logbook &book, const std::string &path, const FileHooks &hooks,
                      SafeFileWriter::Sync sync)
{
    if (path.empty())
        return false;
    bool kept = false;
    if (hooks.backups && fileExists(path)) {
        try {
            hooks.backups->keep(path);
            kept = true;
        } catch (const FenloError &e) {
            if (hooks.backupFailed)
                hooks.backupFailed(std::string(msg::BackupFailed) + "（" + e.what() + "）");
        }
    }
    SafeFileWriter file(path,
                        kept ? SafeFileWriter::InPlace::Allow : SafeFileWriter::InPlace::Refuse);
    file.write(serializeLogbook(book, hooks));
    file.commit(sync);
    report(hooks, 100);
    report(hooks, 0);
    book.modified = false;
    book.fileName = path;
    return true;
}

} // namespace fenlo
