// FormatFloat: a value laid out by a format mask (see float_text.h).

#include "platform/system/decimal_digits.h"
#include "platform/system/float_text.h"
#include "support/format_settings.h"

#include <cmath>
#include <vector>

namespace {

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

bool IsDigitPlaceholder(char c)
{
    return c == '0' || c == '#';
}

// The length of the exponent marker at `pos` ("E+00" is 4), 0 when none starts there.
size_t ExponentLength(std::string_view section, size_t pos)
{
    if (pos + 1 >= section.size() || (section[pos] != 'E' && section[pos] != 'e') ||
        (section[pos + 1] != '+' && section[pos + 1] != '-'))
        return 0;
    size_t end = pos + 2;
    while (end < section.size() && section[end] == '0')
        ++end;
    return end - pos;
}

// The end of the quoted text that opens at `pos` (past the closing quote, or the end of the section).
size_t QuotedEnd(std::string_view section, size_t pos)
{
    const size_t close = section.find(section[pos], pos + 1);
    return close == std::string_view::npos ? section.size() : close + 1;
}

std::vector<std::string_view> SplitSections(std::string_view mask)
{
    std::vector<std::string_view> sections;
    size_t start = 0;
    for (size_t pos = 0; pos < mask.size();) {
        if (IsQuote(mask[pos])) {
            pos = QuotedEnd(mask, pos);
        } else if (mask[pos] == ';') {
            sections.push_back(mask.substr(start, pos - start));
            start = ++pos;
        } else {
            ++pos;
        }
    }
    sections.push_back(mask.substr(start));
    return sections;
}

// What the placeholders of one section ask for.
struct TSectionLayout
{
    int IntegerPlaceholders = 0;
    int MinIntegerDigits = 0; // placeholders from the first "0" before the point on
    int FractionPlaceholders = 0;
    int MinFractionDigits = 0; // up to the last "0" after the point
    bool Thousands = false;
    bool Scientific = false;
};

TSectionLayout ReadLayout(std::string_view section)
{
    TSectionLayout layout;
    bool afterPoint = false;
    bool zeroSeen = false;
    for (size_t pos = 0; pos < section.size();) {
        const char c = section[pos];
        if (IsQuote(c)) {
            pos = QuotedEnd(section, pos);
            continue;
        }
        if (const size_t length = ExponentLength(section, pos)) {
            layout.Scientific = true;
            pos += length;
            continue;
        }
        if (c == '.') {
            afterPoint = true;
        } else if (c == ',' && !afterPoint) {
            layout.Thousands = true;
        } else if (IsDigitPlaceholder(c) && afterPoint) {
            ++layout.FractionPlaceholders;
            if (c == '0')
                layout.MinFractionDigits = layout.FractionPlaceholders;
        } else if (IsDigitPlaceholder(c)) {
            ++layout.IntegerPlaceholders;
            zeroSeen = zeroSeen || c == '0';
            layout.MinIntegerDigits += zeroSeen ? 1 : 0;
        }
        ++pos;
    }
    return layout;
}

// Lays one section out for the value's digits.
class TSectionWriter
{
public:
    TSectionWriter(std::string_view section, const TSectionLayout& layout, TDecimalDigits number)
        : section_(section), layout_(layout)
    {
        if (layout.Scientific) {
            const int significant = std::max(1, layout.IntegerPlaceholders + layout.FractionPlaceholders);
            RoundToSignificant(number, significant);
            exponent_ = number.IsZero() ? 0 : number.Exponent - layout.IntegerPlaceholders;
            number.Exponent = number.IsZero() ? 0 : layout.IntegerPlaceholders;
        } else {
            RoundToDecimals(number, layout.FractionPlaceholders);
        }
        zero_ = number.IsZero();
        integer_ = number.Exponent > 0 ? number.IntegerDigits() : "";
        if (static_cast<int>(integer_.size()) < layout.MinIntegerDigits)
            integer_.insert(0, static_cast<size_t>(layout.MinIntegerDigits) - integer_.size(), '0');
        fraction_ = number.FractionDigits(layout.FractionPlaceholders);
        while (static_cast<int>(fraction_.size()) > layout.MinFractionDigits && fraction_.back() == '0')
            fraction_.pop_back();
    }

    bool RoundsToZero() const { return zero_; }

    std::string Write()
    {
        for (size_t pos = 0; pos < section_.size();)
            pos = WriteAt(pos);
        if (!pointSeen_ && layout_.IntegerPlaceholders == 0)
            WriteIntegerDigits(static_cast<int>(integer_.size()) - 1);
        return text_;
    }

private:
    size_t WriteAt(size_t pos)
    {
        const char c = section_[pos];
        if (IsQuote(c)) {
            const size_t end = QuotedEnd(section_, pos);
            const size_t closing = end > pos + 1 && section_[end - 1] == c ? 1 : 0;
            text_ += section_.substr(pos + 1, end - pos - 1 - closing);
            return end;
        }
        if (const size_t length = ExponentLength(section_, pos)) {
            WriteExponent(section_.substr(pos, length));
            return pos + length;
        }
        if (c == '.' && !pointSeen_) {
            WritePoint();
        } else if (IsDigitPlaceholder(c) && pointSeen_) {
            if (fractionWritten_ < fraction_.size())
                text_ += fraction_[fractionWritten_++];
        } else if (IsDigitPlaceholder(c)) {
            WriteIntegerPlaceholder();
        } else if (c != ',' && c != '.') {
            text_ += c;
        }
        return pos + 1;
    }

    // The integer digits are right-aligned on the placeholders; the first placeholder takes any surplus.
    void WriteIntegerPlaceholder()
    {
        const int last =
            static_cast<int>(integer_.size()) - layout_.IntegerPlaceholders + integerPlaceholder_;
        if (integerPlaceholder_++ == 0)
            WriteIntegerDigits(last);
        else if (last >= 0)
            WriteIntegerDigit(last);
    }

    void WriteIntegerDigits(int last)
    {
        for (int index = 0; index <= last; ++index)
            WriteIntegerDigit(index);
    }

    void WriteIntegerDigit(int index)
    {
        text_ += integer_[static_cast<size_t>(index)];
        const int after = static_cast<int>(integer_.size()) - 1 - index;
        if (layout_.Thousands && after > 0 && after % 3 == 0)
            text_ += GlobalFormatSettings().ThousandSeparator;
    }

    void WritePoint()
    {
        if (layout_.IntegerPlaceholders == 0)
            WriteIntegerDigits(static_cast<int>(integer_.size()) - 1);
        pointSeen_ = true;
        if (!fraction_.empty())
            text_ += GlobalFormatSettings().DecimalSeparator;
    }

    void WriteExponent(std::string_view marker)
    {
        text_ += marker[0];
        if (exponent_ < 0)
            text_ += '-';
        else if (marker[1] == '+')
            text_ += '+';
        std::string digits = std::to_string(std::abs(exponent_));
        const size_t minDigits = std::min<size_t>(marker.size() - 2, 4);
        if (digits.size() < minDigits)
            digits.insert(0, minDigits - digits.size(), '0');
        text_ += digits;
    }

    std::string_view section_;
    const TSectionLayout& layout_;
    std::string integer_;
    std::string fraction_;
    int exponent_ = 0;
    bool zero_ = false;
    std::string text_;
    bool pointSeen_ = false;
    int integerPlaceholder_ = 0;
    size_t fractionWritten_ = 0;
};

std::string WriteSection(std::string_view section, const TDecimalDigits& number, bool withSign)
{
    const TSectionLayout layout = ReadLayout(section);
    TSectionWriter writer(section, layout, number);
    const std::string text = writer.Write();
    return withSign && number.Negative && !writer.RoundsToZero() ? "-" + text : text;
}

} // namespace

std::string FormatFloat(std::string_view mask, double value)
{
    if (mask.empty() || !std::isfinite(value))
        return FloatToStr(value);
    const std::vector<std::string_view> sections = SplitSections(mask);
    const auto usable = [&](size_t index) { return index < sections.size() && !sections[index].empty(); };
    const TDecimalDigits number = ToDecimalDigits(value, 18);
    if (number.IsZero() && usable(2))
        return WriteSection(sections[2], number, false);
    if (number.Negative && !number.IsZero() && usable(1))
        return WriteSection(sections[1], number, false);
    return WriteSection(sections[0], number, true);
}
