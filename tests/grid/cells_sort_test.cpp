#include "cells_fixture.h"
#include "controls/grid/cell_order.h"
#include "platform/gui/core/locale_compare.h"
#include "support/errors.h"

#include <algorithm>
#include <random>
#include <set>

namespace {

class CellSort : public CellStore
{
protected:
    CellSort()
    {
        AddColumn(ctString);
        AddColumn(ctString);
        store.SeedSortGenerator(7);
        // Custom comparisons compare the first letters and are counted.
        store.OnCompare = [this](TObject*, TCell* first, TCell* second, int& compare) {
            ++comparisons;
            compare = first->AsString().compare(second->AsString());
        };
    }
    ~CellSort() override { SetCollationLocale(""); }

    std::vector<std::string> Sorted(const std::vector<std::string>& texts, TSortType type,
                                    TSortKind kind = skAscending)
    {
        store.ClearRows();
        FillTexts(0, texts);
        store.SortColumn(0, type, kind, false);
        return Texts(0);
    }

    int comparisons = 0;
};

using Texts_ = std::vector<std::string>;

} // namespace

TEST_F(CellSort, EachRuleOrdersTheTextsItsWay)
{
    SetCollationLocale("en_US");
    const struct
    {
        TSortType type;
        Texts_ texts;
        Texts_ sorted;
    } cases[] = {
        {stAlphabetic, {"b", "a", "c"}, {"a", "b", "c"}},
        {stAlphabetic, {"a", "B", "\xC3\xA9", "z"}, {"B", "a", "z", "\xC3\xA9"}}, // code points
        {stCaseInsensitive, {"B", "c", "a"}, {"a", "B", "c"}},
        {stUnicodeAlphabetic, {"z", "\xC3\xA9", "B", "a"}, {"a", "B", "\xC3\xA9", "z"}},
        {stNumeric, {"10", "x", "9", "2.5"}, {"2.5", "9", "10", "x"}},
        {stBoolean, {"True", "0"}, {"0", "True"}},
        {stDate,
         {"2024-03-07", "1999-12-31 23:00", "", "2024-03-06"},
         {"", "1999-12-31 23:00", "2024-03-06", "2024-03-07"}},
        {stIP,
         {"10.0.0.10", "10.0.0.2", "9.255.255.255", "10.0.0.1", ""},
         {"", "9.255.255.255", "10.0.0.1", "10.0.0.2", "10.0.0.10"}},
        {stCustom, {"b", "c", "a"}, {"a", "b", "c"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sorted(c.texts, c.type), c.sorted) << c.type;
    EXPECT_EQ(Sorted({"b", "c", "a"}, stCustom, skDescending), Texts_({"c", "b", "a"}));

    store.OnCompare = nullptr; // without a handler every row is equal: all stay, in some order
    Texts_ all = Sorted({"x", "y", "z", "x"}, stCustom);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, Texts_({"x", "x", "y", "z"}));
}

TEST_F(CellSort, IpAddressesArePartByPart)
{
    const TIpAddress address = ReadIpAddress("192.168.1.20");
    EXPECT_EQ(std::vector<unsigned>(address.Parts, address.Parts + 4),
              std::vector<unsigned>({192, 168, 1, 20}));
    EXPECT_EQ(ReadIpAddress("host 10.1").Parts[1], 1u);
    for (const char* bad : {"abc", "1..2", "1.2.3.4.5", "."})
        EXPECT_THROW(ReadIpAddress(bad), EConvertError) << bad;
}

TEST_F(CellSort, TheOtherWayRoundOnlyReversesWhileNothingChanged)
{
    EXPECT_EQ(Sorted({"b", "a", "c"}, stCustom), Texts_({"a", "b", "c"}));
    EXPECT_GT(comparisons, 0);
    EXPECT_EQ(store.SortIndex(), 0);
    EXPECT_EQ(store.SortKind(), skAscending);

    comparisons = 0;
    store.SortColumn(0, stCustom, skDescending, false);
    EXPECT_EQ(Texts(0), Texts_({"c", "b", "a"}));
    EXPECT_EQ(Texts(1), Texts_({"", "", ""}));
    EXPECT_EQ(DataOf(store.GetRow(0)), 3); // the row records went along
    EXPECT_EQ(comparisons, 0);

    // Any of these makes the next sort a full one.
    const struct
    {
        const char* what;
        std::function<void()> change;
        int column;
        TSortKind kind;
        bool resort;
    } fullSorts[] = {
        {"the same kind again", [] {}, 0, skAscending, false},
        {"asked to resort", [] {}, 0, skDescending, true},
        {"another column", [] {}, 1, skDescending, false},
        {"a value changed", [&] { store.GetCell(1, 0)->SetAsString("x"); }, 0, skDescending, false},
        {"a colour changed", [&] { store.GetCell(1, 1)->SetColor(clRed); }, 0, skDescending, false},
        {"a hint changed", [&] { store.GetCell(1, 2)->SetHint("h"); }, 0, skDescending, false},
    };
    for (const auto& c : fullSorts) {
        store.SortColumn(0, stCustom, skAscending, true);
        c.change();
        comparisons = 0;
        store.SortColumn(c.column, stCustom, c.kind, c.resort);
        EXPECT_GT(comparisons, 0) << c.what;
    }
}

TEST_F(CellSort, AFailedSortLeavesTheRowsUnsortedAndTheSortStateAsItWas)
{
    FillTexts(0, {"b", "a", "c"});
    for (int row = 0; row < 3; ++row)
        store.GetCell(1, row)->SetAsString(row == 1 ? "not a date" : "2024-03-0" + std::to_string(row + 1));
    store.SortColumn(0, stCustom, skAscending, false);
    ASSERT_EQ(Texts(0), Texts_({"a", "b", "c"}));

    EXPECT_THROW(store.SortColumn(1, stDate, skDescending, false), EConvertError);
    EXPECT_FALSE(store.Sorted());
    EXPECT_EQ(store.SortIndex(), 0);
    EXPECT_EQ(store.SortKind(), skAscending);
    EXPECT_EQ(Texts(0), Texts_({"a", "b", "c"}));

    // So sorting the first column the other way is a full sort, never a reversal of an unknown order.
    comparisons = 0;
    store.SortColumn(0, stCustom, skDescending, false);
    EXPECT_GT(comparisons, 0);
    EXPECT_EQ(Texts(0), Texts_({"c", "b", "a"}));
}

TEST_F(CellSort, EmptyAndSingleRowStoresAreSortedAtOnce)
{
    store.SortColumn(0, stCustom, skAscending, false);
    EXPECT_TRUE(store.Sorted());
    FillTexts(0, {"only"});
    store.SortColumn(0, stCustom, skDescending, true);
    EXPECT_TRUE(store.Sorted());
    EXPECT_EQ(comparisons, 0);
    EXPECT_EQ(Texts(0), Texts_({"only"}));
}

TEST_F(CellSort, TheSameSeedGivesTheSameOrderOfEqualKeys)
{
    const Texts_ texts = {"k", "k", "k", "k", "k", "k", "k", "k"};
    const auto orderWithSeed = [&](uint32_t seed) {
        store.ClearRows();
        FillTexts(0, texts);
        store.SeedSortGenerator(seed);
        store.SortColumn(0, stAlphabetic, skAscending, false);
        std::vector<intptr_t> order;
        for (int row = 0; row < store.RowCount(); ++row)
            order.push_back(DataOf(store.GetRow(row)));
        return order;
    };
    EXPECT_EQ(orderWithSeed(11), orderWithSeed(11));
}

// A comparison that contradicts itself (a random answer every time) must neither lead the sort out of
// the rows nor lose or repeat a row.
TEST_F(CellSort, AnInconsistentComparisonStaysWithinTheRows)
{
    std::mt19937 answers(2024);
    std::set<const TCell*> valid;
    bool strayCell = false;
    store.OnCompare = [&](TObject*, TCell* first, TCell* second, int& compare) {
        strayCell = strayCell || !valid.contains(first) || !valid.contains(second);
        compare = static_cast<int>(answers() % 3) - 1;
    };
    for (uint32_t seed = 0; seed < 200; ++seed) {
        const int rows = static_cast<int>(seed % 40);
        store.ClearRows();
        store.AddRow(rows);
        valid.clear();
        for (int row = 0; row < rows; ++row) {
            store.GetRow(row)->SetData(reinterpret_cast<void*>(static_cast<intptr_t>(row)));
            store.GetCell(1, row)->SetAsInteger(row);
            valid.insert(store.GetCell(0, row));
        }
        store.SeedSortGenerator(seed);
        store.SortColumn(0, stCustom, seed % 2 ? skAscending : skDescending, true);
        ASSERT_FALSE(strayCell) << "seed " << seed;
        std::vector<intptr_t> seen;
        for (int row = 0; row < rows; ++row) {
            seen.push_back(DataOf(store.GetRow(row)));
            ASSERT_EQ(store.GetCell(1, row)->AsString(), std::to_string(seen.back())) << "seed " << seed;
        }
        std::sort(seen.begin(), seen.end());
        for (int row = 0; row < rows; ++row)
            ASSERT_EQ(seen[static_cast<size_t>(row)], row) << "seed " << seed;
    }
}
