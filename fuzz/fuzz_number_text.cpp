// Number texts of the number edits: the settings, a text with a caret and a selection, a typed character and
// a clipboard text are chosen from the bytes and run through the filters, the formatting, the value reading,
// the typed-character filters and the paste insertion of the 6-series number edit and of the number cell
// editor. Checks: nothing raises; a filtered text reads as a number; with an active range and clamping the
// value read lies within it; an in-range value shown and read back keeps its value within the precision.
#include "controls/grid/number_edit_text.h"
#include "controls/grid/number_text.h"
#include "support/format_settings.h"
#include "support/utf8.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        abort();
}

// A limit or value: often 0, else a number with up to four decimals.
double PickNumber(FuzzedDataProvider& in)
{
    if (in.ConsumeBool())
        return 0;
    return static_cast<double>(in.ConsumeIntegralInRange<int64_t>(-100'000'000'000, 100'000'000'000)) /
           10'000;
}

TNumberEditFormat PickFormat(FuzzedDataProvider& in)
{
    TNumberEditFormat format;
    format.Min = PickNumber(in);
    format.Max = PickNumber(in);
    format.AdjustToRange = in.ConsumeBool();
    format.HideLeadingZeros = in.ConsumeBool();
    format.Options = TGxNumericEditOptions::FromBits(in.ConsumeIntegralInRange<uint64_t>(0, 3));
    format.Precision = in.ConsumeIntegralInRange(-2, 25);
    format.TextAfter = in.ConsumeRandomLengthString(8);
    return format;
}

TNumberEditText PickEdit(FuzzedDataProvider& in)
{
    TNumberEditText edit;
    edit.Text = in.ConsumeRandomLengthString(40);
    edit.SelStart = in.ConsumeIntegralInRange(-2, 45);
    edit.SelLength = in.ConsumeIntegralInRange(-2, 45);
    return edit;
}

bool InRange(const TNumberRange& range, double value)
{
    return value >= range.Min && value <= range.Max;
}

// A filtered text is a number, or empty where leading zeros are hidden.
void CheckNumberText(const std::string& text, bool hideLeadingZeros)
{
    Check(ParseNumber(text).has_value() || (hideLeadingZeros && text.empty()));
}

size_t SeparatorCount(const std::string& text, char32_t separator)
{
    const std::u32string chars = Utf8ToUtf32(text);
    return static_cast<size_t>(std::count(chars.begin(), chars.end(), separator));
}

std::string TextOutsideSelection(const TNumberEditText& edit)
{
    std::u32string text = Utf8ToUtf32(edit.Text);
    const size_t start = std::min<size_t>(static_cast<size_t>(std::max(edit.SelStart, 0)), text.size());
    text.erase(start, static_cast<size_t>(std::max(edit.SelLength, 0)));
    return Utf32ToUtf8(text);
}

void NumberEdit(FuzzedDataProvider& in, char32_t separator)
{
    const TNumberEditFormat format = PickFormat(in);
    const TNumberEditText edit = PickEdit(in);
    const std::string clipboard = in.ConsumeRandomLengthString(40);
    const bool signs = in.ConsumeBool();
    const bool decimals = in.ConsumeBool();
    const TNumberRange range = format.Range();
    const bool clamped = format.AdjustToRange && range.Active() && range.Min <= range.Max;

    CheckNumberText(FilterNumberText(format, edit.Text, signs, decimals), format.HideLeadingZeros);
    const double read = ReadNumberValue(format, edit.Text);
    Check(std::isfinite(read));
    if (clamped)
        Check(InRange(range, read));

    // A value in the range, shown and read back.
    double value = PickNumber(in);
    if (range.Active() && range.Min <= range.Max)
        value = range.Clamp(value);
    const int decimalsShown = !format.Options.Contains(ednDecimals) ? 0 : std::min(format.Precision, 18);
    const double shownValue = decimalsShown > 0 ? value : std::nearbyint(value);
    const bool readable = (format.Options.Contains(ednSigns) || value >= 0) &&
                          !(format.HideLeadingZeros && std::fabs(shownValue) < 1) &&
                          (!range.Active() || range.Min <= range.Max);
    if (readable) {
        const double back = ReadNumberValue(format, FormatNumberValue(format, value, true));
        const double step = format.Options.Contains(ednDecimals) && format.Precision <= 0
                                ? std::fabs(value) * 1e-14
                                : 0.5 * std::pow(10.0, -std::max(decimalsShown, 0));
        Check(std::fabs(back - value) <= step + 1e-9);
    }

    // Pasting into a text without a separator outside the selection leaves at most one.
    const std::string pasted = PasteIntoNumberEdit(format, edit, clipboard);
    if (SeparatorCount(TextOutsideSelection(edit), separator) == 0)
        Check(SeparatorCount(pasted, separator) <= 1);
    const char32_t typed = in.ConsumeIntegral<char32_t>() % 0x110000;
    if (typed == separator && NumberEditCharAllowed(format, typed, edit))
        Check(format.Options.Contains(ednDecimals));
}

void CellEditor(FuzzedDataProvider& in)
{
    const TNumberRange range{PickNumber(in), PickNumber(in)};
    const TNumberEditText edit = PickEdit(in);
    const std::string clipboard = in.ConsumeRandomLengthString(40);
    const bool decimals = in.ConsumeBool();
    const bool signs = in.ConsumeBool();

    if (const std::optional<std::string> filtered = FilterNumber(edit.Text, decimals, signs, range)) {
        const std::optional<double> number = ParseNumber(*filtered);
        Check(number.has_value());
        if (range.Active() && range.Min <= range.Max)
            Check(InRange(range, *number));
    }
    PasteNumber(edit, clipboard, decimals, signs, range);
    NumberCharAllowed(in.ConsumeIntegral<char32_t>() % 0x110000, edit, decimals, signs);
    TrimLeadingZeros(edit.Text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const bool comma = in.ConsumeBool();
    TFormatSettings settings;
    settings.DecimalSeparator = comma ? "," : ".";
    settings.ThousandSeparator = comma ? "." : ",";
    const TFormatSettingsGuard locale(settings);
    try {
        if (in.ConsumeBool())
            NumberEdit(in, comma ? U',' : U'.');
        else
            CellEditor(in);
    } catch (...) {
        abort();
    }
    return 0;
}
