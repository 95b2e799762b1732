// The typed edit's value rules on texts: a number format ("." or "," decimals) and a text chosen from the
// bytes run through the classification, every reading and every writing of a number. Checks: nothing
// raises; mixed case keeps the number of characters; a text without thousand separators keeps none; a text
// classed as an integer reads as its own whole number; grouping adds nothing but separators to the fixed
// format.
#include "controls/edits/typed_number_text.h"
#include "support/format_settings.h"
#include "support/utf8.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        abort();
}

std::string WithoutChar(std::string text, char c)
{
    std::erase(text, c);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    TFormatSettings settings;
    const bool comma = in.ConsumeBool();
    settings.DecimalSeparator = comma ? "," : ".";
    settings.ThousandSeparator = comma ? "." : ",";
    TFormatSettingsGuard format(settings);
    const int decimals = in.ConsumeIntegralInRange(-2, 20);
    const std::string text = in.ConsumeRemainingBytesAsString();

    const TNumberClass kind = ClassifyNumber(text);
    const double value = TextToFloat(text);
    HexToInt(text);
    const int32_t leading = LeadingWholeNumber(text);
    const int32_t strict = StrictWholeNumber(text);
    Check(Utf8Length(MixedCase(text)) == Utf8Length(text));
    Check(RemoveThousandSeparators(text).find(settings.ThousandSeparator) == std::string::npos);
    // A short whole number without a sign in its middle reads the same both ways.
    if (kind == TNumberClass::Integer && text.size() < 10 && text.find('-', 1) == std::string::npos &&
        text != "-")
        Check(leading == strict);

    const std::string fixed = FormatFixed(value, decimals);
    const std::string grouped = FormatGrouped(value, decimals);
    Check(WithoutChar(grouped, settings.ThousandSeparator[0]) ==
          WithoutChar(fixed, settings.ThousandSeparator[0]));
    FormatGeneral(value);
    IntegerPartText(value, true);
    HexText(leading);
    return 0;
}
