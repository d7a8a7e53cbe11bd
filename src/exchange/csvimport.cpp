#include "exchange/csvimport.h"

#include "data/cp932.h"
#include "data/error.h"
#include "data/fuelingfigures.h"
#include "exchange/exchangetexts.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>

namespace fenlo {
namespace {

struct FieldNames
{
    CsvField field;
    std::string_view key;
    std::vector<std::string_view> headers; // as normalizedText gives them
};

const std::vector<FieldNames> &fieldNames()
{
    static const std::vector<FieldNames> names = {
        {CsvField::None, "none", {}},
        {CsvField::Date, "date", {"日付", "給油日", "date", "fuelup_date"}},
        {CsvField::Hour, "hour", {"時", "時刻", "time", "hour"}},
        {CsvField::Odometer,
         "odometer",
         {"距離(トータル)(km)", "距離(トータル)", "距離(ﾄｰﾀﾙ)(km)", "距離(ﾄｰﾀﾙ)", "odometer", "odo",
          "odo (km)", "mileage"}},
        {CsvField::Trip, "trip", {"距離(今回)(km)", "距離(今回)", "trip", "distance"}},
        {CsvField::Litres,
         "litres",
         {"給油量(l)", "給油量", "litres", "liters", "quantity", "fuel (litres)", "fuelconsumed",
          "gallons"}},
        {CsvField::Amount, "amount", {"金額", "amount", "cost", "price", "total price"}},
        {CsvField::Maker,
         "maker",
         {"メーカー", "燃料メーカー", "スタンド", "station", "brand", "company", "maker"}},
        {CsvField::Category, "category", {"区分", "燃料区分", "fuel", "fuel type", "fueltype"}},
        {CsvField::Full, "full", {"満タン", "full", "isfilltofull"}},
        {CsvField::NotFull, "partial", {"partial_fuelup"}},
        {CsvField::Comment, "comment", {"コメント", "メモ", "note", "notes"}},
        {CsvField::Economy, "economy", {"燃費(km/l)", "燃費", "economy", "km/l"}},
    };
    return names;
}

// A fueling as one record of the file gives it, before it is placed in the logbook.
struct Candidate
{
    int line = 0;
    DateTime moment = 0;
    long long key = 0; // momentKey: how duplicates are told
    Currency odometer;
    std::optional<Currency> trip;
    Currency litres;
    Currency amount;
    std::optional<Currency> economy;
    std::string maker; // CP932
    std::int32_t category = CategoryRegular;
    bool unknownCategory = false;
    bool full = true;
    std::string comment; // CP932
    std::int32_t makerCode = 0;
};

std::string trimmedBlanks(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Reads the records of the table through the chosen columns.
class RecordReader
{
public:
    RecordReader(const CsvTable &table, const std::vector<CsvField> &columns,
                 const CsvImportOptions &options)
        : table_(table), options_(options), decimalComma_(table.delimiter == ';')
    {
        for (std::size_t i = 0; i < columns.size(); ++i)
            index_.emplace(columns[i], i); // the first column of a field keeps it
        if (!has(CsvField::Date))
            throw FenloError(msg::CsvNoDate);
        if (!has(CsvField::Litres))
            throw FenloError(msg::CsvNoLitres);
        order_ = options.dateOrder == DateOrder::Auto ? detectOrder() : options.dateOrder;
    }

    bool has(CsvField field) const { return index_.count(field) != 0; }
    bool economyGiven() const
    {
        return has(CsvField::Economy) && !options_.miles && !options_.gallons;
    }
    bool fullnessGiven() const { return has(CsvField::Full) || has(CsvField::NotFull); }

    Candidate read(const CsvRecord &record) const
    {
        Candidate c;
        c.line = record.line;
        c.moment = moment(record);
        c.key = momentKey(c.moment);
        c.odometer =
            distance(number(record, CsvField::Odometer, "距離(トータル)")).value_or(Currency());
        c.trip = distance(number(record, CsvField::Trip, "距離(今回)"));
        std::optional<Currency> litres = number(record, CsvField::Litres, "給油量");
        if (!litres)
            throw lineError(record, "給油量がありません");
        c.litres = options_.gallons ? gallonsToLitres(*litres) : *litres;
        c.amount = number(record, CsvField::Amount, "金額").value_or(Currency());
        if (economyGiven())
            c.economy = number(record, CsvField::Economy, "燃費");
        c.maker = trimmedBlanks(text(record, CsvField::Maker));
        readCategory(record, c);
        c.full = full(record);
        c.comment = text(record, CsvField::Comment);
        return c;
    }

private:
    std::string cell(const CsvRecord &record, CsvField field) const
    {
        auto found = index_.find(field);
        if (found == index_.end() || found->second >= record.cells.size())
            return {};
        return table_.utf8(record.cells[found->second]);
    }

    static FenloError lineError(const CsvRecord &record, const std::string &what)
    {
        return FenloError(msg::csvLineError(record.line, what));
    }

    static FenloError unreadable(const CsvRecord &record, const char *what,
                                 const std::string &value)
    {
        return lineError(record, std::string(what) + "「" + value + "」を読めません");
    }

    DateOrder detectOrder() const
    {
        std::vector<std::string> texts;
        texts.reserve(table_.rows.size());
        for (const CsvRecord &record : table_.rows)
            texts.push_back(cell(record, CsvField::Date));
        std::vector<DateShape> shapes;
        for (const std::string &text : texts) {
            if (std::optional<DateShape> shape = dateShape(text))
                shapes.push_back(*shape);
        }
        std::optional<DateOrder> order = detectDateOrder(shapes);
        if (!order)
            throw FenloError(msg::CsvMixedDateOrder);
        return *order;
    }

    DateTime moment(const CsvRecord &record) const
    {
        const std::string dateText = cell(record, CsvField::Date);
        if (normalizedText(dateText).empty())
            throw lineError(record, "日付がありません");
        std::optional<CsvDate> date = parseCsvDate(dateText, order_);
        if (!date)
            throw unreadable(record, "日付", dateText);
        int hour = date->hour.value_or(0);
        const std::string hourText = cell(record, CsvField::Hour);
        if (!normalizedText(hourText).empty()) {
            std::optional<int> h = parseCsvHour(hourText);
            if (!h)
                throw unreadable(record, "時刻", hourText);
            hour = *h;
        }
        return encodeDateTime(date->year, date->month, date->day, hour).value();
    }

    std::optional<Currency> number(const CsvRecord &record, CsvField field, const char *what) const
    {
        const std::string text = cell(record, field);
        if (normalizedText(text).empty())
            return std::nullopt;
        std::optional<Currency> value = parseCsvNumber(text, decimalComma_);
        if (!value)
            throw unreadable(record, what, text);
        return value;
    }

    std::optional<Currency> distance(std::optional<Currency> value) const
    {
        if (value && options_.miles)
            return milesToKilometres(*value);
        return value;
    }

    // Text as the logbook keeps it: CP932, on one line, as the logbook file holds one a line.
    std::string text(const CsvRecord &record, CsvField field) const
    {
        auto found = index_.find(field);
        if (found == index_.end() || found->second >= record.cells.size())
            return {};
        std::optional<std::string> bytes = table_.cp932(record.cells[found->second]);
        if (!bytes)
            throw lineError(record, "「" + record.cells[found->second] +
                                        "」には Shift_JIS で表せない文字があります");
        std::string line = *bytes;
        std::replace(line.begin(), line.end(), '\n', ' ');
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        return line;
    }

    void readCategory(const CsvRecord &record, Candidate &c) const
    {
        const std::string text = cell(record, CsvField::Category);
        if (normalizedText(text).empty())
            return;
        std::optional<std::int32_t> category = parseCsvCategory(text);
        c.category = category.value_or(CategoryRegular);
        c.unknownCategory = !category;
    }

    bool full(const CsvRecord &record) const
    {
        const bool inverted = !has(CsvField::Full);
        const std::string text = cell(record, inverted ? CsvField::NotFull : CsvField::Full);
        if (normalizedText(text).empty())
            return true;
        std::optional<bool> flag = parseCsvFlag(text);
        if (!flag)
            throw unreadable(record, "満タンかどうか", text);
        return *flag != inverted;
    }

    const CsvTable &table_;
    const CsvImportOptions &options_;
    const bool decimalComma_;
    std::map<CsvField, std::size_t> index_;
    DateOrder order_ = DateOrder::Auto;
};

// The makers of the logbook and those the import registers, found by name.
class MakerRegister
{
public:
    explicit MakerRegister(const Logbook &book)
    {
        for (const Maker &m : book.makers) {
            if (!m.used())
                continue;
            ++used_;
            codes_.insert(m.code);
            byName_.emplace(trimmedBlanks(m.name), m.code); // the first of a name keeps it
        }
    }

    // The code of the maker of this name, registering it when it is new; nullopt when the
    // table is full.
    std::optional<std::int32_t> code(const std::string &name)
    {
        if (auto found = byName_.find(name); found != byName_.end())
            return found->second;
        if (used_ == Logbook::MakerSlots)
            return std::nullopt;
        std::int32_t code = 1;
        while (codes_.count(code))
            ++code;
        ++used_;
        codes_.insert(code);
        byName_.emplace(name, code);
        added_.push_back(Maker{code, name});
        return code;
    }

    const std::vector<Maker> &added() const { return added_; }

private:
    int used_ = 0;
    std::set<std::int32_t> codes_;
    std::map<std::string, std::int32_t> byName_;
    std::vector<Maker> added_;
};

// The trip of a fueling without one: the odometer's advance since the fueling before it in date
// order, among the logbook's and the file's, as the entry dialog fills it in.
void deriveTrips(const Logbook &book, std::vector<Candidate> &accepted)
{
    struct Reading
    {
        long long moment;
        Currency odometer;
        Candidate *candidate; // nullptr for a fueling of the logbook
    };
    std::vector<Reading> readings;
    for (const Fueling &r : book.fuelings) {
        if (r.used())
            readings.push_back({momentKey(r.moment), r.odometer, nullptr});
    }
    for (Candidate &c : accepted)
        readings.push_back({c.key, c.odometer, &c});
    std::stable_sort(readings.begin(), readings.end(),
                     [](const Reading &a, const Reading &b) { return a.moment < b.moment; });
    Currency previous;
    for (const Reading &reading : readings) {
        if (reading.candidate && !reading.candidate->trip) {
            const Currency odometer = reading.odometer;
            const bool known = previous.raw() > 0 && odometer.raw() > 0 && odometer >= previous;
            reading.candidate->trip = known ? odometer - previous : Currency();
        }
        previous = reading.odometer;
    }
}

// The economy of each fueling without one, in date order: a fill-up that did not fill the tank
// gets 0, and its distance and fuel count towards the next full one, which measures from full
// to full.
void computeEconomies(std::vector<Candidate> &accepted)
{
    Currency pendingTrip, pendingLitres;
    for (Candidate &c : accepted) {
        pendingTrip += *c.trip;
        pendingLitres += c.litres;
        if (!c.full) {
            if (!c.economy)
                c.economy = Currency();
            continue;
        }
        if (!c.economy)
            c.economy = fuelEconomy(pendingTrip, pendingLitres);
        pendingTrip = pendingLitres = Currency();
    }
}

std::string unknownMakerName()
{
    return utf8ToCp932("不明").value();
}

} // namespace

const std::vector<CsvField> &allCsvFields()
{
    static const std::vector<CsvField> fields = [] {
        std::vector<CsvField> all;
        for (const FieldNames &names : fieldNames())
            all.push_back(names.field);
        return all;
    }();
    return fields;
}

std::string_view csvFieldKey(CsvField field)
{
    for (const FieldNames &names : fieldNames()) {
        if (names.field == field)
            return names.key;
    }
    return {};
}

CsvField fieldOfHeader(std::string_view utf8Header)
{
    const std::string header = normalizedText(utf8Header);
    for (const FieldNames &names : fieldNames()) {
        if (std::find(names.headers.begin(), names.headers.end(), header) != names.headers.end())
            return names.field;
    }
    return CsvField::None;
}

std::vector<CsvField> recogniseColumns(const CsvTable &table)
{
    std::vector<CsvField> columns;
    std::set<CsvField> taken;
    for (const std::string &header : table.header.cells) {
        CsvField field = fieldOfHeader(table.utf8(header));
        if (field != CsvField::None && !taken.insert(field).second)
            field = CsvField::None;
        columns.push_back(field);
    }
    return columns;
}

void mapColumn(std::vector<CsvField> &columns, const CsvTable &table, std::string_view assignment)
{
    const std::size_t equals = assignment.find('=');
    const std::string key = normalizedText(assignment.substr(0, equals));
    auto names = std::find_if(fieldNames().begin(), fieldNames().end(),
                              [&](const FieldNames &n) { return n.key == key; });
    if (equals == std::string_view::npos || names == fieldNames().end()) {
        std::string known;
        for (const FieldNames &n : fieldNames())
            known += (known.empty() ? "" : ", ") + std::string(n.key);
        throw FenloError("項目「" + key + "」はありません (使える項目: " + known + ")");
    }
    const std::string header = normalizedText(assignment.substr(equals + 1));
    const auto &cells = table.header.cells;
    auto column = std::find_if(cells.begin(), cells.end(), [&](const std::string &cell) {
        return normalizedText(table.utf8(cell)) == header;
    });
    if (column == cells.end())
        throw FenloError("見出し「" + std::string(assignment.substr(equals + 1)) +
                         "」がファイルにありません");
    columns.resize(cells.size(), CsvField::None);
    if (names->field != CsvField::None)
        std::replace(columns.begin(), columns.end(), names->field, CsvField::None);
    columns[static_cast<std::size_t>(column - cells.begin())] = names->field;
}

CsvImportSummary importCsv(Logbook &book, const CsvTable &table,
                           const std::vector<CsvField> &columns, const CsvImportOptions &options)
{
    const RecordReader reader(table, columns, options);
    std::vector<Candidate> candidates;
    candidates.reserve(table.rows.size());
    for (const CsvRecord &record : table.rows)
        candidates.push_back(reader.read(record));
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) { return a.key < b.key; });

    CsvImportSummary summary;
    std::set<long long> moments;
    int freeSlots = 0;
    for (const Fueling &r : book.fuelings) {
        if (r.used())
            moments.insert(momentKey(r.moment));
        else
            ++freeSlots;
    }
    MakerRegister makers(book);
    std::vector<Candidate> accepted;
    for (Candidate &c : candidates) {
        if (moments.count(c.key)) {
            ++summary.duplicates;
            continue;
        }
        if (static_cast<int>(accepted.size()) == freeSlots) {
            ++summary.overFuelingLimit;
            continue;
        }
        if (c.maker.empty())
            c.maker = unknownMakerName();
        std::optional<std::int32_t> code = makers.code(c.maker);
        if (!code) {
            ++summary.overMakerLimit;
            const std::string name = cp932ToUtf8(c.maker);
            auto &refused = summary.refusedMakers;
            if (std::find(refused.begin(), refused.end(), name) == refused.end())
                refused.push_back(name);
            continue;
        }
        c.makerCode = *code;
        moments.insert(c.key);
        accepted.push_back(std::move(c));
    }
    deriveTrips(book, accepted);
    computeEconomies(accepted);

    auto copy = std::make_unique<Logbook>(book);
    auto makerSlot = copy->makers.begin();
    for (const Maker &maker : makers.added()) {
        makerSlot =
            std::find_if(makerSlot, copy->makers.end(), [](const Maker &m) { return !m.used(); });
        *makerSlot = maker;
    }
    auto fuelingSlot = copy->fuelings.begin();
    for (const Candidate &c : accepted) {
        fuelingSlot = std::find_if(fuelingSlot, copy->fuelings.end(),
                                   [](const Fueling &r) { return !r.used(); });
        *fuelingSlot = Fueling{c.moment,   c.odometer, *c.trip,    c.litres, c.makerCode,
                               c.category, c.amount,   *c.economy, c.comment};
        summary.partialFills += !c.full;
        summary.unknownCategories += c.unknownCategory;
    }
    summary.added = static_cast<int>(accepted.size());
    summary.newMakers = static_cast<int>(makers.added().size());
    copy->sortMakers();
    copy->sortFuelings();
    if (summary.added > 0)
        copy->modified = true;
    book = std::move(*copy);
    return summary;
}

std::string summaryText(const CsvImportSummary &s)
{
    auto count = [](int n) { return std::to_string(n) + " 件"; };
    std::string text = "給油データを " + count(s.added) + "読み込みました。\n";
    if (s.newMakers > 0)
        text += "燃料メーカーを " + count(s.newMakers) + "登録しました。\n";
    if (s.duplicates > 0)
        text += "同じ年月日時のデータが既にあるため、" + count(s.duplicates) +
                "を読み込みませんでした。\n";
    if (s.overMakerLimit > 0) {
        std::string names;
        for (const std::string &name : s.refusedMakers)
            names += "「" + name + "」";
        text += "燃料メーカーは " + std::to_string(Logbook::MakerSlots) +
                " 件までしか登録できないため、" + names + "の " + count(s.overMakerLimit) +
                "を読み込みませんでした。\n";
    }
    if (s.overFuelingLimit > 0)
        text += "給油データは " + std::to_string(Logbook::FuelingSlots) +
                " 件までしか登録できないため、" + count(s.overFuelingLimit) +
                "を読み込みませんでした。\n";
    if (s.partialFills > 0)
        text += "満タンでない給油が " + count(s.partialFills) +
                "ありました。その燃費は 0 とし、距離と給油量は次の満タンの燃費に含めました。\n";
    if (s.unknownCategories > 0)
        text += "燃料区分のわからない " + count(s.unknownCategories) + "はレギュラーにしました。\n";
    return text;
}

} // namespace fenlo
