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

class Reader
{
public:
    explicit Reader(ByteSource &source) : lines_(source) {}

    std::string text() { return lines_.readLine(); }
    int integer() { return lines_.readIntegerLine(); }
    double real() { return parseFloat(lines_.readLineView()); }
    Currency currency() { return parseCurrency(lines_.readLineView()); }

private:
    LineReader lines_;
};

void readMakerTable(Reader &in, Logbook &book)
{
    for (Maker &g : book.makers) {
        g.code = in.integer();
        g.name = in.text();
    }
}

void readFuelingTable(Reader &in, Logbook &book, bool withComments, const FileHooks &hooks)
{
    report(hooks, 0);
    StepGauge gauge(hooks, 10, 0);
    for (Fueling &r : book.fuelings) {
        r.moment = in.real();
        r.odometer = in.currency();
        r.trip = in.currency();
        r.litres = in.currency();
        r.makerCode = in.integer();
        r.category = in.integer();
        r.amount = in.currency();
        r.economy = in.currency();
        r.comment = withComments ? in.text() : std::string();
        gauge.record();
    }
}

void readMemoTable(Reader &in, Logbook &book)
{
    for (Memo &m : book.memos) {
        m.date = in.real();
        m.text = in.text();
    }
}

void putLine(std::string &out, std::string_view value)
{
    out.append(value);
    out.append("\r\n");
}

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
    for (const Maker &g : book.makers) {
        putLine(out, std::to_string(g.code));
        putLine(out, g.name);
    }
    report(hooks, 0);
    StepGauge gauge(hooks, 5, 0);
    for (const Fueling &r : book.fuelings) {
        putLine(out, formatGeneral(r.moment));
        putLine(out, formatGeneral(r.odometer));
        putLine(out, formatGeneral(r.trip));
        putLine(out, formatGeneral(r.litres));
        putLine(out, std::to_string(r.makerCode));
        putLine(out, std::to_string(r.category));
        putLine(out, formatGeneral(r.amount));
        putLine(out, formatGeneral(r.economy));
        putLine(out, r.comment);
        gauge.record();
    }
    StepGauge memoGauge(hooks, 5, 50);
    for (const Memo &m : book.memos) {
        putLine(out, formatGeneral(m.date));
        putLine(out, m.text);
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
