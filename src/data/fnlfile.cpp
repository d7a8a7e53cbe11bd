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

void readGasTable(Reader &in, Logbook &book)
{
    for (Maker &g : book.MgasTable) {
        g.cd = in.integer();
        g.name = in.text();
    }
}

void readNenpiTable(Reader &in, Logbook &book, bool withComments, const FileHooks &hooks)
{
    report(hooks, 0);
    StepGauge gauge(hooks, 10, 0);
    for (Fueling &r : book.NenpiTable) {
        r.nichiji = in.real();
        r.kyori1 = in.currency();
        r.kyori2 = in.currency();
        r.ryou = in.currency();
        r.gas = in.integer();
        r.kubun = in.integer();
        r.kingaku = in.currency();
        r.nenpi = in.currency();
        r.comment = withComments ? in.text() : std::string();
        gauge.record();
    }
}

void readMemoTable(Reader &in, Logbook &book)
{
    for (Memo &m : book.MemoTable) {
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
        fresh->Shamei = in.text();
        readGasTable(in, *fresh);
        readNenpiTable(in, *fresh, current, hooks);
        if (current)
            readMemoTable(in, *fresh);
    } catch (const LineReader::LineTooLong &) {
        throw FenloError(msg::NotLogbookV3);
    }
    fresh->SortGas();
    fresh->SortNenpi();
    fresh->SortMemo();
    report(hooks, 100);
    report(hooks, 0);

    fresh->DataChanged = false;
    fresh->DataFileName = book.DataFileName;
    book = std::move(*fresh);
    return LoadResult::Loaded;
}

LoadResult DataLoad(Logbook &book, const std::string &path, const FileHooks &hooks)
{
    if (!fileExists(path))
        return LoadResult::NoSuchFile;
    FileSource source(path);
    LoadResult result = parseLogbook(book, source, hooks);
    if (result == LoadResult::Loaded)
        book.DataFileName = path;
    return result;
}

std::string serializeLogbook(const Logbook &book, const FileHooks &hooks)
{
    std::string out;
    out.reserve(256 * 1024);
    putLine(out, HeaderV3);
    putLine(out, book.Shamei);
    for (const Maker &g : book.MgasTable) {
        putLine(out, std::to_string(g.cd));
        putLine(out, g.name);
    }
    report(hooks, 0);
    StepGauge gauge(hooks, 5, 0);
    for (const Fueling &r : book.NenpiTable) {
        putLine(out, formatGeneral(r.nichiji));
        putLine(out, formatGeneral(r.kyori1));
        putLine(out, formatGeneral(r.kyori2));
        putLine(out, formatGeneral(r.ryou));
        putLine(out, std::to_string(r.gas));
        putLine(out, std::to_string(r.kubun));
        putLine(out, formatGeneral(r.kingaku));
        putLine(out, formatGeneral(r.nenpi));
        putLine(out, r.comment);
        gauge.record();
    }
    StepGauge memoGauge(hooks, 5, 50);
    for (const Memo &m : book.MemoTable) {
        putLine(out, formatGeneral(m.date));
        putLine(out, m.text);
        memoGauge.record();
    }
    return out;
}

bool DataSave(Logbook &book, const std::string &path, const FileHooks &hooks,
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
    book.DataChanged = false;
    book.DataFileName = path;
    return true;
}

} // namespace fenlo
