#include "data/error.h"
#include "data/fnlfile.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>
#include <vector>

using namespace fenlo;
using fenlo::test::TempDir;

namespace {

std::vector<std::string> splitLines(const std::string &bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string join(const std::vector<std::string> &lines, const char *eol = "\r\n")
{
    std::string out;
    for (const std::string &l : lines)
        out += l + eol;
    return out;
}

std::string emptyLogbookBytes()
{
    std::string expected = "fenlov3\r\n\r\n";
    for (int i = 0; i < 20; ++i)
        expected += "999\r\n\r\n";
    for (int i = 0; i < 1000; ++i)
        expected += "99999999\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n";
    for (int i = 0; i < 1000; ++i)
        expected += "99999999\r\n\r\n";
    return expected;
}

Fueling fueling(double date, double trip, double litres, int maker, int category,
                const char *comment)
{
    Fueling r;
    r.moment = date;
    r.trip = Currency::fromDouble(trip);
    r.litres = Currency::fromDouble(litres);
    r.makerCode = maker;
    r.category = category;
    r.comment = comment;
    return r;
}

Logbook sampleBook()
{
    Logbook book;
    book.carName = "\x83\x76\x83\x8A\x83\x45\x83\x58"; // プリウス
    book.makers[1] = {3, "\x83\x47\x83\x6C\x83\x49\x83\x58"};
    book.makers[2] = {10, "shell"};
    book.fuelings[1] = fueling(37636.0 + 8.0 / 24, 412.3, 35.62, 3, 1, "\x82\xA0");
    book.fuelings[1].amount = Currency::fromUnits(4560);
    book.fuelings[1].economy = Currency::fromDouble(11.57);
    book.fuelings[2] = fueling(37650.5, 300, 25, 10, 2, "");
    book.memos[1] = {37640, "memo"};
    return book;
}

std::string messageOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const FenloError &e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(FnlWrite, AnEmptyLogbookIsTheFixed11042LineFile)
{
    TempDir dir;
    Logbook book;
    ASSERT_TRUE(writeLogbookFile(book, dir.file("new.fnl")));
    std::string bytes = fenlo::test::readBytes(dir.file("new.fnl"));
    EXPECT_EQ(bytes, emptyLogbookBytes());
    EXPECT_EQ(splitLines(bytes).size(), 11042u);
}

TEST(FnlWrite, RecordFieldsAreWrittenAtTheirLines)
{
    Logbook book = sampleBook();
    std::vector<std::string> lines = splitLines(serializeLogbook(book));
    ASSERT_EQ(lines.size(), 11042u);
    EXPECT_EQ(lines[1], book.carName);
    EXPECT_EQ(lines[2], "3");
    EXPECT_EQ(lines[4], "10");
    EXPECT_EQ(lines[6], "999");
    // Slot 1 of the fuelings starts at line 43.
    EXPECT_EQ(lines[42], "37636.3333333333");
    EXPECT_EQ(lines[43], "0");
    EXPECT_EQ(lines[44], "412.3");
    EXPECT_EQ(lines[45], "35.62");
    EXPECT_EQ(lines[46], "3");
    EXPECT_EQ(lines[47], "1");
    EXPECT_EQ(lines[48], "4560");
    EXPECT_EQ(lines[49], "11.57");
    EXPECT_EQ(lines[50], "\x82\xA0");
    EXPECT_EQ(lines[51], "37650.5");
    EXPECT_EQ(lines[9042], "37640");
    EXPECT_EQ(lines[9043], "memo");
}

TEST(FnlWrite, SaveClearsTheChangedFlagAndNamesTheFile)
{
    TempDir dir;
    Logbook book = sampleBook();
    book.modified = true;
    EXPECT_FALSE(writeLogbookFile(book, ""));
    EXPECT_TRUE(book.modified);
    ASSERT_TRUE(writeLogbookFile(book, dir.file("a.fnl")));
    EXPECT_FALSE(book.modified);
    EXPECT_EQ(book.fileName, dir.file("a.fnl"));
}

TEST(FnlRoundTrip, LoadingRestoresIdenticalValuesAndTheSameBytes)
{
    TempDir dir;
    Logbook book = sampleBook();
    ASSERT_TRUE(writeLogbookFile(book, dir.file("a.fnl")));
    Logbook loaded;
    ASSERT_EQ(readLogbookFile(loaded, dir.file("a.fnl")), LoadResult::Loaded);
    EXPECT_EQ(loaded.fuelings[1].trip, book.fuelings[1].trip);
    EXPECT_EQ(loaded.fuelings[1].litres.raw(), 356200);
    EXPECT_EQ(loaded.fuelings[1].economy.raw(), 115700);
    EXPECT_EQ(formatHour(loaded.fuelings[1].moment), "08");
    EXPECT_EQ(loaded.fileName, dir.file("a.fnl"));
    EXPECT_FALSE(loaded.modified);
    EXPECT_EQ(serializeLogbook(loaded), fenlo::test::readBytes(dir.file("a.fnl")));
}

TEST(FnlRoundTrip, RandomLogbooksAreWrittenAgainByteIdentically)
{
    std::mt19937_64 rng(20261208);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const std::vector<std::string> texts = {"", "\x83\x65\x83\x58\x83\x67", "a b,\"c\"", "\x81\x60",
                                            "\xB6\xC0\xB6\xC5", std::string(100, 'x'),
                                            "\x88\x9F\x81\x40\x88\xA0"};
    const std::vector<std::int64_t> extremes = {0, 1, -1, 99999999999999, -99999999999999, 5,
                                                99999, 123456789};
    for (int round = 0; round < 20; ++round) {
        Logbook book;
        book.carName = texts[static_cast<size_t>(pick(0, 6))];
        int makers = pick(0, 20);
        for (int i = 1; i <= makers; ++i)
            book.makers[i] = {pick(1, 99), texts[static_cast<size_t>(pick(0, 6))]};
        int records = pick(0, 1000);
        double base = 30000 + pick(0, 20000);
        for (int i = 1; i <= records; ++i) {
            Fueling &r = book.fuelings[i];
            r.moment = base + pick(0, 400) + pick(0, 23) / 24.0; // equal dates happen
            r.odometer = Currency::fromRaw(extremes[static_cast<size_t>(pick(0, 7))]);
            r.trip = Currency::fromRaw(pick(0, 99999) * 1000);
            r.litres = Currency::fromRaw(pick(0, 99999) * 1000);
            r.makerCode = pick(-5, 999);
            r.category = pick(0, 3);
            r.amount = Currency::fromRaw(extremes[static_cast<size_t>(pick(0, 7))]);
            r.economy = Currency::fromRaw(pick(0, 400000));
            r.comment = texts[static_cast<size_t>(pick(0, 6))];
        }
        int memos = pick(0, 1000);
        for (int i = 1; i <= memos; ++i)
            book.memos[i] = {base + pick(0, 400), texts[static_cast<size_t>(pick(0, 6))]};

        std::string first = serializeLogbook(book);
        MemorySource source(first);
        Logbook loaded;
        ASSERT_EQ(parseLogbook(loaded, source), LoadResult::Loaded);
        std::string second = serializeLogbook(loaded);
        MemorySource again(second);
        Logbook reloaded;
        ASSERT_EQ(parseLogbook(reloaded, again), LoadResult::Loaded);
        EXPECT_TRUE(reloaded.sameData(loaded)) << "round " << round;
        EXPECT_EQ(serializeLogbook(reloaded), second) << "round " << round;
    }
}

TEST(FnlRoundTrip, ADateWithMoreDigitsThanTheFileKeepsIsRoundedOnceAndThenStable)
{
    std::vector<std::string> lines = splitLines(serializeLogbook(sampleBook()));
    lines[51] = "45090.80000000001"; // 16 significant digits, as another program may write
    MemorySource source(join(lines));
    Logbook first;
    ASSERT_EQ(parseLogbook(first, source), LoadResult::Loaded);
    std::string saved = serializeLogbook(first);
    EXPECT_EQ(splitLines(saved)[51], "45090.8");
    MemorySource again(saved);
    Logbook second;
    ASSERT_EQ(parseLogbook(second, again), LoadResult::Loaded);
    EXPECT_EQ(serializeLogbook(second), saved);
    EXPECT_EQ(formatDate(second.fuelings[2].moment), formatDate(first.fuelings[2].moment));
}

TEST(FnlRead, SortsRecordsThatAreOutOfOrderInTheFile)
{
    std::vector<std::string> lines = splitLines(serializeLogbook(sampleBook()));
    // Swap the dates of fueling slots 1 and 2, and memo dates likewise out of order.
    std::swap(lines[42], lines[51]);
    lines[9044] = "10";
    MemorySource source(join(lines));
    Logbook book;
    ASSERT_EQ(parseLogbook(book, source), LoadResult::Loaded);
    EXPECT_EQ(book.fuelings[1].moment, 37636.3333333333);
    EXPECT_EQ(book.fuelings[2].moment, 37650.5);
    EXPECT_EQ(book.memos[1].date, 10);
    EXPECT_EQ(book.memos[2].text, "memo");
}

TEST(FnlRead, AcceptsLfLineEndsAndIgnoresLinesAfterTheLast)
{
    std::vector<std::string> lines = splitLines(serializeLogbook(sampleBook()));
    MemorySource crlf(join(lines));
    lines.push_back("trailing garbage");
    MemorySource lf(join(lines, "\n"));
    Logbook a, b;
    ASSERT_EQ(parseLogbook(a, crlf), LoadResult::Loaded);
    ASSERT_EQ(parseLogbook(b, lf), LoadResult::Loaded);
    EXPECT_TRUE(a.sameData(b));
    EXPECT_EQ(b.fuelings[1].comment, "\x82\xA0");
}

TEST(FnlRead, IntegerLinesAreReadAsTokens)
{
    std::vector<std::string> lines = splitLines(serializeLogbook(sampleBook()));
    lines[2] = "  3 trailing words"; // blanks before, rest of line ignored
    lines[46] = "\t3\tx";
    MemorySource source(join(lines));
    Logbook book;
    ASSERT_EQ(parseLogbook(book, source), LoadResult::Loaded);
    EXPECT_EQ(book.makers[1].code, 3);
    EXPECT_EQ(book.fuelings[1].makerCode, 3);
}

TEST(FnlRead, OlderFormatWarnsFirstAndBringsNoCommentsAndNoMemos)
{
    std::vector<std::string> v3 = splitLines(serializeLogbook(sampleBook()));
    std::vector<std::string> v2 = {"fenlov2", v3[1]};
    v2.insert(v2.end(), v3.begin() + 2, v3.begin() + 42);
    for (int slot = 0; slot < 1000; ++slot)
        v2.insert(v2.end(), v3.begin() + 42 + slot * 9, v3.begin() + 42 + slot * 9 + 8);
    ASSERT_EQ(v2.size(), 8042u);
    MemorySource source(join(v2));

    Logbook book = sampleBook(); // memos of the logbook open before must not survive
    int warnings = 0;
    bool warnedBeforeReading = false;
    FileHooks hooks;
    hooks.olderFormat = [&] {
        ++warnings;
        warnedBeforeReading = book.fuelings[1].comment == "\x82\xA0";
    };
    ASSERT_EQ(parseLogbook(book, source, hooks), LoadResult::Loaded);
    EXPECT_EQ(warnings, 1);
    EXPECT_TRUE(warnedBeforeReading);
    EXPECT_EQ(book.fuelings[1].comment, "");
    EXPECT_EQ(book.fuelings[1].litres.raw(), 356200);
    EXPECT_EQ(book.memos.usedCount(), 0);
    EXPECT_EQ(splitLines(serializeLogbook(book)).size(), 11042u);
    EXPECT_EQ(splitLines(serializeLogbook(book))[0], "fenlov3");
}

TEST(FnlRead, RejectsOtherHeadersWithoutTouchingTheLogbook)
{
    for (const char *header : {"fenlov3 ", "FENLOV3", "fenlov4", "", "\xEF\xBB\xBF" "fenlov3"}) {
        std::vector<std::string> lines = splitLines(serializeLogbook(Logbook{}));
        lines[0] = header;
        MemorySource source(join(lines));
        Logbook book = sampleBook();
        book.modified = true;
        EXPECT_EQ(parseLogbook(book, source), LoadResult::NotLogbook) << header;
        EXPECT_TRUE(book.sameData(sampleBook()));
        EXPECT_TRUE(book.modified);
    }
    MemorySource nothing("");
    Logbook book;
    EXPECT_EQ(parseLogbook(book, nothing), LoadResult::NotLogbook);
}

TEST(FnlRead, AFileCutShortFailsWithTheConversionErrorAndChangesNothing)
{
    std::string bytes = serializeLogbook(sampleBook());
    std::vector<std::string> lines = splitLines(bytes);
    lines.resize(500); // inside the fueling section
    MemorySource source(join(lines));
    Logbook book;
    book.carName = "before";
    book.fileName = "/old.fnl";
    book.modified = true;
    EXPECT_EQ(messageOf([&] { parseLogbook(book, source); }), "'' は浮動小数点数ではありません");
    EXPECT_EQ(book.carName, "before");
    EXPECT_EQ(book.fileName, "/old.fnl");
    EXPECT_TRUE(book.modified);
}

TEST(FnlRead, BadNumbersReportTheRuntimeMessages)
{
    std::vector<std::string> lines = splitLines(serializeLogbook(sampleBook()));
    std::vector<std::string> badReal = lines;
    badReal[44] = "41a";
    MemorySource a(join(badReal));
    Logbook book;
    EXPECT_EQ(messageOf([&] { parseLogbook(book, a); }), "'41a' は浮動小数点数ではありません");

    std::vector<std::string> badInteger = lines;
    badInteger[46] = "3.5";
    MemorySource b(join(badInteger));
    EXPECT_EQ(messageOf([&] { parseLogbook(book, b); }), "入力値が数値ではありません");
    EXPECT_TRUE(book.sameData(Logbook{}));
}

TEST(FnlRead, AnEndlessLineIsRefusedAsNotALogbook)
{
    std::string huge(LineReader::DefaultMaxLine + 10, 'x');
    MemorySource header(huge);
    Logbook book;
    EXPECT_EQ(parseLogbook(book, header), LoadResult::NotLogbook);

    std::vector<std::string> lines = splitLines(serializeLogbook(Logbook{}));
    lines[1] = huge;
    MemorySource name(join(lines));
    EXPECT_EQ(messageOf([&] { parseLogbook(book, name); }),
              "これは「ふぇんろVer3」のデータではありません");
}

TEST(FnlRead, HundredsOfMegabytesWithoutALineBreakAreNeverHeldInMemory)
{
    // A source of endless "x": reading must stop at the line limit, not at the end of memory.
    class Endless : public ByteSource
    {
    public:
        std::size_t read(char *buffer, std::size_t size) override
        {
            if (served >= 300u << 20)
                return 0;
            std::memset(buffer, 'x', size);
            served += size;
            return size;
        }
        std::size_t served = 0;
    } endless;
    Logbook book;
    EXPECT_EQ(parseLogbook(book, endless), LoadResult::NotLogbook);
    EXPECT_LT(endless.served, 2 * LineReader::DefaultMaxLine + (64u << 10));
}

TEST(FnlRead, ProgressRisesByTenPerHundredRecordsAndEndsAtZero)
{
    std::string bytes = serializeLogbook(sampleBook());
    MemorySource source(bytes);
    std::vector<int> seen;
    FileHooks hooks;
    hooks.progress = [&](int p) { seen.push_back(p); };
    Logbook book;
    parseLogbook(book, source, hooks);
    EXPECT_EQ(seen, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 100, 0}));

    seen.clear();
    serializeLogbook(book, hooks);
    std::vector<int> expected = {0};
    for (int p = 5; p <= 100; p += 5)
        expected.push_back(p);
    EXPECT_EQ(seen, expected);
}

TEST(FnlLoad, AMissingFileIsIgnoredSilently)
{
    TempDir dir;
    Logbook book = sampleBook();
    EXPECT_EQ(readLogbookFile(book, dir.file("missing.fnl")), LoadResult::NoSuchFile);
    EXPECT_EQ(readLogbookFile(book, dir.path()), LoadResult::NoSuchFile);
    EXPECT_TRUE(book.sameData(sampleBook()));
}
