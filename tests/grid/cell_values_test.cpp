#include "cells_fixture.h"
#include "controls/grid/cell_classes.h"
#include "platform/system/date_time_text.h"
#include "support/date_time.h"
#include "support/errors.h"
#include "support/format_settings.h"
#include "support/text_routines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

namespace {

// The settings of a locale that writes decimals with a comma.
TFormatSettings CommaSettings()
{
    TFormatSettings settings;
    settings.DecimalSeparator = ",";
    settings.ThousandSeparator = ".";
    return settings;
}

// A read as text: "!" for a conversion error; "{d}" in expectations stands for the decimal separator.
std::string Read(const std::function<std::string()>& read)
{
    try {
        return read();
    } catch (const EConvertError&) {
        return "!";
    }
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string WithSeparator(std::string expected)
{
    return ReplaceAll(expected, "{d}", GlobalFormatSettings().DecimalSeparator, false);
}

using TMake = std::function<std::unique_ptr<TCell>(TCells*)>;

template <typename TCellClass> TMake Make()
{
    return [](TCells* cells) { return std::make_unique<TCellClass>(cells); };
}

const TDateTime kMarch7At9 = 45358.375; // 2024-03-07 09:00

class CellValues : public testing::TestWithParam<const char*>
{
protected:
    CellValues() : settings(std::string(GetParam()) == "," ? CommaSettings() : TFormatSettings())
    {
        bare.OnCellChange = [this](TObject*, int, int) { ++reportCount; };
    }

    TFormatSettingsGuard settings;
    TCells bare{nullptr, nullptr};
    int reportCount = 0;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(DecimalSeparators, CellValues, testing::Values(".", ","));

TEST_P(CellValues, EachClassReadsItsValueAsEveryType)
{
    const struct
    {
        const char* what;
        TMake make;
        std::function<void(TCell&)> fill;
        std::string boolean, dateTime, floating, integer, text;
    } cases[] = {
        {"Boolean True", Make<TBooleanCell>(), [](TCell& c) { c.SetAsBoolean(true); }, "1", "0", "1", "1",
         "True"},
        {"Boolean False", Make<TBooleanCell>(), [](TCell&) {}, "0", "0", "0", "0", "False"},
        {"date-time", Make<TDateTimeCell>(), [](TCell& c) { c.SetAsDateTime(kMarch7At9); }, "0", "45358.4",
         "45358.4", "45358", "2024-03-07 09:00:00"},
        {"date-time -1.5", Make<TDateTimeCell>(), [](TCell& c) { c.SetAsFloat(-1.5); }, "0", "-1.5", "-1.5",
         "-1", "1899-12-29 12:00:00"},
        {"float 2.5", Make<TFloatCell>(), [](TCell& c) { c.SetAsFloat(2.5); }, "0", "2.5", "2.5", "2",
         "2{d}5"},
        {"float 3.5", Make<TFloatCell>(), [](TCell& c) { c.SetAsFloat(3.5); }, "0", "3.5", "3.5", "4",
         "3{d}5"},
        {"integer -5", Make<TIntegerCell>(), [](TCell& c) { c.SetAsInteger(-5); }, "0", "0", "-5", "-5",
         "-5"},
        {"integer 7", Make<TIntegerCell>(), [](TCell& c) { c.SetAsInteger(7); }, "1", "0", "7", "7", "7"},
        {"empty text", Make<TStringCell>(), [](TCell&) {}, "!", "0", "!", "!", ""},
        {"text 2.5", Make<TStringCell>(), [](TCell& c) { c.SetAsString(WithSeparator("2{d}5")); }, "1", "!",
         "2.5", "!", "2{d}5"},
        {"text TRUE", Make<TStringCell>(), [](TCell& c) { c.SetAsString("TRUE"); }, "1", "!", "!", "!",
         "TRUE"},
        {"text 12", Make<TStringCell>(), [](TCell& c) { c.SetAsString("12"); }, "1", "!", "12", "12", "12"},
        {"text date", Make<TStringCell>(), [](TCell& c) { c.SetAsString("2024-03-07"); }, "!", "45358", "!",
         "!", "2024-03-07"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TCell> cell = c.make(&bare);
        c.fill(*cell);
        EXPECT_EQ(Read([&] { return std::to_string(cell->AsBoolean()); }), c.boolean) << c.what;
        EXPECT_EQ(Read([&] { return Number(cell->AsDateTime()); }), c.dateTime) << c.what;
        EXPECT_EQ(Read([&] { return Number(cell->AsFloat()); }), c.floating) << c.what;
        EXPECT_EQ(Read([&] { return std::to_string(cell->AsInteger()); }), c.integer) << c.what;
        EXPECT_EQ(Read([&] { return cell->AsString(); }), WithSeparator(c.text)) << c.what;
    }
}

TEST_P(CellValues, WritesConvertOrFailWithoutAReport)
{
    const std::string today = DateTimeToStr(std::floor(Now()));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        const char* what;
        TMake make;
        std::function<void(TCell&)> write;
        std::string text; // "!" for a conversion error that leaves "before"
        std::string before = "";
    } cases[] = {
        {"Boolean from TRUE", Make<TBooleanCell>(), [](TCell& c) { c.SetAsString("TRUE"); }, "True"},
        {"Boolean from 1", Make<TBooleanCell>(), [](TCell& c) { c.SetAsString("1"); }, "True"},
        {"Boolean from yes", Make<TBooleanCell>(), [](TCell& c) { c.SetAsString("yes"); }, "False"},
        {"Boolean from 0", Make<TBooleanCell>(), [](TCell& c) { c.SetAsString("0"); }, "False"},
        {"Boolean from empty", Make<TBooleanCell>(), [](TCell& c) { c.SetAsString(""); }, "False"},
        {"Boolean from 0.5", Make<TBooleanCell>(), [](TCell& c) { c.SetAsFloat(0.5); }, "True"},
        {"Boolean from NaN", Make<TBooleanCell>(), [&](TCell& c) { c.SetAsFloat(nan); }, "True"},
        {"Boolean from -3", Make<TBooleanCell>(), [](TCell& c) { c.SetAsInteger(-3); }, "True"},
        {"Boolean from a date", Make<TBooleanCell>(), [](TCell& c) { c.SetAsDateTime(5); }, "False"},
        {"date from False", Make<TDateTimeCell>(), [](TCell& c) { c.SetAsBoolean(false); }, today},
        {"date from junk", Make<TDateTimeCell>(), [](TCell& c) { c.SetAsString("no date"); }, "1899-12-30"},
        {"date from text", Make<TDateTimeCell>(), [](TCell& c) { c.SetAsString("2024-03-07 09:00"); },
         "2024-03-07 09:00:00"},
        {"date from 3", Make<TDateTimeCell>(), [](TCell& c) { c.SetAsInteger(3); }, "1900-01-02"},
        {"float from True", Make<TFloatCell>(), [](TCell& c) { c.SetAsBoolean(true); }, "0"},
        {"float from text", Make<TFloatCell>(), [](TCell& c) { c.SetAsString(WithSeparator("2{d}5")); },
         "2{d}5"},
        {"float from the other separator", Make<TFloatCell>(),
         [](TCell& c) { c.SetAsString(GlobalFormatSettings().DecimalSeparator == "." ? "2,5" : "2.5"); }, "!",
         "0"},
        {"float from empty", Make<TFloatCell>(), [](TCell& c) { c.SetAsString(""); }, "!", "0"},
        {"integer from 2.5", Make<TIntegerCell>(), [](TCell& c) { c.SetAsFloat(2.5); }, "2"},
        {"integer from 3.5", Make<TIntegerCell>(), [](TCell& c) { c.SetAsFloat(3.5); }, "4"},
        {"integer from empty", Make<TIntegerCell>(), [](TCell& c) { c.SetAsString(""); }, "0"},
        {"integer from x", Make<TIntegerCell>(), [](TCell& c) { c.SetAsString("x"); }, "!", "0"},
        {"integer from True", Make<TIntegerCell>(), [](TCell& c) { c.SetAsBoolean(true); }, "1"},
        {"integer from a date", Make<TIntegerCell>(), [](TCell& c) { c.SetAsDateTime(5); }, "0"},
        {"text from True", Make<TStringCell>(), [](TCell& c) { c.SetAsBoolean(true); }, "True"},
        {"text from 2.5", Make<TStringCell>(), [](TCell& c) { c.SetAsFloat(2.5); }, "2{d}5"},
        {"text from 1e20", Make<TStringCell>(), [](TCell& c) { c.SetAsFloat(1e20); }, "1E20"},
        {"text from -7", Make<TStringCell>(), [](TCell& c) { c.SetAsInteger(-7); }, "-7"},
        {"text from a date", Make<TStringCell>(), [](TCell& c) { c.SetAsDateTime(kMarch7At9); },
         "2024-03-07 09:00:00"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TCell> cell = c.make(&bare);
        reportCount = 0;
        if (c.text == "!") {
            EXPECT_THROW(c.write(*cell), EConvertError) << c.what;
            EXPECT_EQ(cell->AsString(), c.before) << c.what;
            EXPECT_EQ(reportCount, 0) << c.what;
        } else {
            c.write(*cell);
            EXPECT_EQ(cell->AsString(), WithSeparator(c.text)) << c.what;
            EXPECT_EQ(reportCount, 1) << c.what;
        }
    }
}

TEST_P(CellValues, ClearEmptiesTheValueAndReports)
{
    for (const TMake& make : {Make<TBooleanCell>(), Make<TDateTimeCell>(), Make<TFloatCell>(),
                              Make<TIntegerCell>(), Make<TStringCell>()}) {
        std::unique_ptr<TCell> cell = make(&bare);
        cell->SetAsInteger(1);
        const std::string cleared = make(&bare)->AsString();
        reportCount = 0;
        cell->Clear();
        EXPECT_EQ(cell->AsString(), cleared) << cell->ClassName();
        EXPECT_EQ(reportCount, 1) << cell->ClassName();
    }
}

// --- Looks, lock and position --------------------------------------------------------------------------

TEST_F(CellStore, ANewCellHasTheColumnsLooksAndReportsItsFirstChange)
{
    TGxCustomColumn* column = AddColumn(ctString);
    column->SetColor(clAqua);
    column->Font()->SetColor(clMaroon);
    column->Font()->SetStyle(fsBold);
    store.AddRow(1);
    EXPECT_TRUE(reports.empty());

    TCell* cell = store.GetCell(0, 0);
    EXPECT_FALSE(cell->Locked());
    EXPECT_EQ(cell->Color(), clAqua);
    EXPECT_EQ(cell->TextColor(), clMaroon);
    EXPECT_EQ(cell->FontStyle(), TFontStyles(fsBold));
    cell->SetColor(clRed);
    EXPECT_EQ(reports, (std::vector<std::pair<int, int>>{{0, 0}}));
}

TEST_F(CellStore, ALockedCellReportsValueChangesOnly)
{
    AddColumn(ctString);
    store.AddRow(1);
    TCell* cell = store.GetCell(0, 0);
    store.SortColumn(0, stAlphabetic, skAscending, false);
    cell->SetLocked(true);
    cell->SetColor(clRed);
    cell->SetTextColor(clBlue);
    cell->SetFontStyle(fsItalic);
    cell->SetHint("a hint");
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(store.Sorted());
    EXPECT_EQ(cell->Hint(), "a hint");

    cell->SetAsString("value");
    cell->SetEmpty(true);
    EXPECT_EQ(reports.size(), 2u);
    EXPECT_TRUE(cell->Empty());
    EXPECT_FALSE(store.Sorted());
}

TEST_F(CellStore, ACellIsWhereItsStoreLastLookedItUp)
{
    AddColumn(ctString);
    AddColumn(ctAutoInc);
    store.AddRow(5);
    TCell* counter = store.GetCell(1, 4);
    EXPECT_EQ(counter->ColumnIndex(), 1);
    EXPECT_EQ(counter->RowIndex(), 4);
    EXPECT_EQ(counter->AsInteger(), 5);
    EXPECT_EQ(counter->AsString(), "5");

    counter->SetAsString("99"); // nothing stored, still reported
    EXPECT_EQ(counter->AsInteger(), 5);
    counter->Clear(); // nothing at all
    EXPECT_EQ(reports, (std::vector<std::pair<int, int>>{{1, 4}}));

    // The grid is asked about the position of the last lookup, whichever cell asks.
    TCell* text = store.GetCell(0, 1);
    store.GetCell(1, 2);
    EXPECT_EQ(text->ActualColor(), clYellow);
    EXPECT_EQ(cellsGrid.Asked, std::make_pair(1, 2));
    EXPECT_EQ(text->ActualFontColor(), clNavy);
    EXPECT_EQ(text->DisplayText(), "cell 1,2");
    EXPECT_TRUE(text->Highlighted());
    EXPECT_EQ(counter->AsInteger(), 3);
}
