#include "platform/system/date_time_text.h"

#include "support/date_time.h"
#include "support/errors.h"
#include "support/format_settings.h"
#include "support/text_routines.h"
#include "support/utf8.h"

#include <cmath>
#include <optional>

namespace {

std::string Padded(int value, size_t digits)
{
    return PadLeft(std::to_string(value), static_cast<int>(digits), U'0');
}

std::string PatternField(char letter, size_t run, const TDateTimeParts& parts)
{
    const size_t width = run >= 2 ? 2 : 1;
    switch (letter) {
    case 'y':
        return run <= 2 ? Padded(parts.Year % 100, 2) : std::to_string(parts.Year);
    case 'm':
        return Padded(parts.Month, width);
    case 'd':
        return Padded(parts.Day, width);
    case 'h':
        return Padded(parts.Hour, width);
    case 'n':
        return Padded(parts.Minute, width);
    case 's':
        return Padded(parts.Second, width);
    case 'z':
        return Padded(parts.Millisecond, run >= 3 ? 3 : 1);
    case '/':
        return GlobalFormatSettings().DateSeparator;
    case ':':
        return GlobalFormatSettings().TimeSeparator;
    default:
        return std::string(run, letter);
    }
}

// Reads the text left to right.
class TDateTimeScanner
{
public:
    explicit TDateTimeScanner(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    void SkipBlanks()
    {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }
    bool Skip(std::string_view separator)
    {
        if (separator.empty() || !text_.substr(pos_).starts_with(separator))
            return false;
        pos_ += separator.size();
        return true;
    }
    // Digits as a number, with how many digits there were.
    std::optional<int> Number(size_t* digitCount = nullptr)
    {
        const size_t start = pos_;
        int value = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' && pos_ - start < 9)
            value = value * 10 + (text_[pos_++] - '0');
        if (digitCount)
            *digitCount = pos_ - start;
        return pos_ > start ? std::optional<int>(value) : std::nullopt;
    }
    size_t Position() const { return pos_; }
    void Rewind(size_t pos) { pos_ = pos; }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

// The separator the short date format writes itself ("-" in "yyyy-mm-dd").
std::string FormatDateSeparator()
{
    for (char c : GlobalFormatSettings().ShortDateFormat)
        if (c != 'y' && c != 'm' && c != 'd' && c != 'Y' && c != 'M' && c != 'D')
            return c == '/' ? GlobalFormatSettings().DateSeparator : std::string(1, c);
    return GlobalFormatSettings().DateSeparator;
}

bool SkipDateSeparator(TDateTimeScanner& scanner)
{
    return scanner.Skip(GlobalFormatSettings().DateSeparator) || scanner.Skip(FormatDateSeparator());
}

int FullYear(int year, size_t digits)
{
    if (digits > 2)
        return year;
    return year < 50 ? 2000 + year : 1900 + year;
}

std::optional<TDateTime> ScanDate(TDateTimeScanner& scanner)
{
    int numbers[3] = {};
    size_t yearDigits = 0;
    const std::string order = AsciiLowerCase(GlobalFormatSettings().ShortDateFormat);
    const size_t yearAt = order.find('y'), monthAt = order.find('m'), dayAt = order.find('d');
    const auto rank = [&](size_t at) {
        return static_cast<int>((at > yearAt) + (at > monthAt) + (at > dayAt));
    };
    for (int i = 0; i < 3; ++i) {
        size_t digits = 0;
        if (i > 0 && !SkipDateSeparator(scanner))
            return std::nullopt;
        const std::optional<int> number = scanner.Number(&digits);
        if (!number)
            return std::nullopt;
        numbers[i] = *number;
        if (i == rank(yearAt))
            yearDigits = digits;
    }
    try {
        return EncodeDate(FullYear(numbers[rank(yearAt)], yearDigits), numbers[rank(monthAt)],
                          numbers[rank(dayAt)]);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::optional<TDateTime> ScanTime(TDateTimeScanner& scanner)
{
    const std::string& separator = GlobalFormatSettings().TimeSeparator;
    const std::optional<int> hour = scanner.Number();
    if (!hour || !scanner.Skip(separator))
        return std::nullopt;
    const std::optional<int> minute = scanner.Number();
    std::optional<int> second = 0, millisecond = 0;
    if (minute && scanner.Skip(separator)) {
        second = scanner.Number();
        if (second && (scanner.Skip(".") || scanner.Skip(GlobalFormatSettings().DecimalSeparator)))
            millisecond = scanner.Number();
    }
    if (!minute || !second || !millisecond)
        return std::nullopt;
    try {
        return EncodeTime(*hour, *minute, *second, *millisecond);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

// A date before 1899-12-30 counts its time of day forward from midnight too.
TDateTime Combine(TDateTime date, TDateTime time)
{
    return date < 0 ? date - time : date + time;
}

std::optional<TDateTime> ScanDateTime(std::string_view text)
{
    TDateTimeScanner scanner(text);
    scanner.SkipBlanks();
    const size_t start = scanner.Position();
    if (std::optional<TDateTime> date = ScanDate(scanner)) {
        scanner.SkipBlanks();
        if (scanner.AtEnd())
            return date;
        const std::optional<TDateTime> time = ScanTime(scanner);
        scanner.SkipBlanks();
        return time && scanner.AtEnd() ? std::optional(Combine(*date, *time)) : std::nullopt;
    }
    scanner.Rewind(start);
    const std::optional<TDateTime> time = ScanTime(scanner);
    scanner.SkipBlanks();
    return time && scanner.AtEnd() ? time : std::nullopt;
}

} // namespace

std::string FormatDateTime(std::string_view pattern, TDateTime value)
{
    const TDateTimeParts parts = DecodeDateTime(value);
    std::string result;
    for (size_t i = 0; i < pattern.size();) {
        const char letter = pattern[i];
        if (letter == '"' || letter == '\'') {
            const size_t close = pattern.find(letter, i + 1);
            result += pattern.substr(i + 1, close == std::string_view::npos ? close : close - i - 1);
            i = close == std::string_view::npos ? pattern.size() : close + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == letter)
            ++run;
        result += PatternField(letter, run, parts);
        i += run;
    }
    return result;
}

std::string DateTimeToStr(TDateTime value)
{
    const TFormatSettings& settings = GlobalFormatSettings();
    const TDateTimeParts parts = DecodeDateTime(value);
    std::string text = FormatDateTime(settings.ShortDateFormat, value);
    if (parts.Hour != 0 || parts.Minute != 0 || parts.Second != 0)
        text += " " + FormatDateTime(settings.LongTimeFormat, value);
    return text;
}

bool TryStrToDateTime(std::string_view text, TDateTime& value)
{
    const std::optional<TDateTime> scanned = ScanDateTime(text);
    if (scanned)
        value = *scanned;
    return scanned.has_value();
}

TDateTime StrToDateTime(std::string_view text)
{
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid date and time");
    return value;
}

TDateTime StrToDateTimeDef(std::string_view text, TDateTime defaultValue)
{
    TDateTime value = defaultValue;
    TryStrToDateTime(text, value);
    return value;
}
