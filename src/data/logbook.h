#pragma once

#include "data/currency.h"
#include "data/datetime.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace fenlo {

inline constexpr std::int32_t EmptyGasCode = 999;

// Fuel categories as stored in Fueling::kubun.
inline constexpr std::int32_t KubunRegular = 1;
inline constexpr std::int32_t KubunPremium = 2;
inline constexpr std::int32_t KubunDiesel = 3;

// One fuel maker (brand of filling station). Registered makers have codes 1..99.
struct Maker
{
    std::int32_t cd = EmptyGasCode;
    std::string name; // CP932

    bool used() const { return cd != EmptyGasCode; }
    bool operator==(const Maker &) const = default;
};

// One fueling.
struct Fueling
{
    DateTime nichiji = EmptyDate; // date plus hour ÷ 24
    Currency kyori1;               // odometer total, km; 0 when not entered
    Currency kyori2;               // trip distance since the previous fueling, km
    Currency ryou;                 // litres
    std::int32_t gas = 0;          // maker code
    std::int32_t kubun = 0;        // fuel category 1..3
    Currency kingaku;              // amount paid, yen; 0 when not entered
    Currency nenpi;                // economy in km/L as shown when it was entered
    std::string comment;           // CP932

    bool used() const { return nichiji != EmptyDate; }
    bool operator==(const Fueling &) const = default;
};

// One dated memo; the date is a whole day.
struct Memo
{
    DateTime date = EmptyDate;
    std::string text; // CP932

    bool used() const { return date != EmptyDate; }
    bool operator==(const Memo &) const = default;
};

// A fixed table whose slots are numbered from 1, as the windows and the file number them.
template<typename T, std::size_t N>
class SlotTable
{
public:
    static constexpr int Size = static_cast<int>(N);

    T &operator[](int slot) { return items_.at(static_cast<std::size_t>(slot - 1)); }
    const T &operator[](int slot) const { return items_.at(static_cast<std::size_t>(slot - 1)); }

    std::span<T> slots() { return items_; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // Used slots form one run from slot 1 (the tables stay sorted with free slots last), so
    // this is both their count and the number of the last used slot.
    int usedCount() const
    {
        int n = 0;
        while (n < Size && items_[static_cast<std::size_t>(n)].used())
            ++n;
        return n;
    }

    bool operator==(const SlotTable &) const = default;

private:
    std::array<T, N> items_{};
};

// The data of one car: what one ".fnl" file holds, plus the two flags of the open logbook.
class Logbook
{
public:
    static constexpr int GasSlots = 20;
    static constexpr int NenpiSlots = 1000;
    static constexpr int MemoSlots = 1000;

    std::string Shamei; // car name, CP932
    SlotTable<Maker, GasSlots> MgasTable;
    SlotTable<Fueling, NenpiSlots> NenpiTable;
    SlotTable<Memo, MemoSlots> MemoTable;

    bool DataChanged = false;
    std::string DataFileName; // empty for an untitled logbook

    // Resets to a new, untitled logbook.
    void DataClear();

    // The exchange sort the lists and reports rely on for the order of equal keys: for each
    // slot i, every later slot j with a strictly smaller key is exchanged with i.
    void SortGas();
    void SortNenpi();
    void SortMemo();

    // Name of the maker with this code, or nullptr when none is registered (first match).
    const std::string *gasName(std::int32_t code) const;
    // Whether any maker is registered (a fueling can only be entered then).
    bool hasGas() const;

    // The tables and the car name, without the two flags.
    bool sameData(const Logbook &other) const;
};

} // namespace fenlo
