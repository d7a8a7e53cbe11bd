#pragma once

// The logbook of one car: its name and its makers, fuelings and memos in numbered slots.

#include "data/currency.h"
#include "data/datetime.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace fenlo {

inline constexpr std::int32_t EmptyMakerCode = 999;

// Fuel categories as stored in Fueling::category.
inline constexpr std::int32_t CategoryRegular = 1;
inline constexpr std::int32_t CategoryPremium = 2;
inline constexpr std::int32_t CategoryDiesel = 3;

// One fuel maker (brand of filling station). Registered makers have codes 1..99.
struct Maker
{
    std::int32_t code = EmptyMakerCode;
    std::string name; // CP932

    bool used() const { return code != EmptyMakerCode; }
    bool operator==(const Maker &) const = default;
};

// One fueling.
struct Fueling
{
    DateTime moment = EmptyDate;   // date plus hour ÷ 24
    Currency odometer;             // odometer total, km; 0 when not entered
    Currency trip;                 // trip distance since the previous fueling, km
    Currency litres;               // litres
    std::int32_t makerCode = 0;    // maker code
    std::int32_t category = 0;     // fuel category 1..3
    Currency amount;               // amount paid, yen; 0 when not entered
    Currency economy;              // economy in km/L as shown when it was entered
    std::string comment;           // CP932

    bool used() const { return moment != EmptyDate; }
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
    static constexpr int MakerSlots = 20;
    static constexpr int FuelingSlots = 1000;
    static constexpr int MemoSlots = 1000;

    std::string carName; // car name, CP932
    SlotTable<Maker, MakerSlots> makers;
    SlotTable<Fueling, FuelingSlots> fuelings;
    SlotTable<Memo, MemoSlots> memos;

    bool modified = false;
    std::string fileName; // empty for an untitled logbook

    // Resets to a new, untitled logbook.
    void clear();

    // The exchange sort the lists and reports rely on for the order of equal keys: for each
    // slot i, every later slot j with a strictly smaller key is exchanged with i.
    void sortMakers();
    void sortFuelings();
    void sortMemos();

    // Name of the maker with this code, or nullptr when none is registered (first match).
    const std::string *makerName(std::int32_t code) const;
    // Whether any maker is registered (a fueling can only be entered then).
    bool hasMakers() const;

    // The tables and the car name, without the two flags.
    bool sameData(const Logbook &other) const;
};

} // namespace fenlo
