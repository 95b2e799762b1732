#include "controls/grid/cell_order.h"

#include "controls/grid/cell.h"
#include "controls/grid/cells.h"
#include "platform/gui/core/locale_compare.h"
#include "support/errors.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

template <typename T> int Order(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The cell's text, read in place when the cell holds text.
class TTextInPlace
{
public:
    explicit TTextInPlace(const TCell& cell) : stored_(cell.StoredText())
    {
        if (!stored_)
            copy_ = cell.AsString();
    }
    std::string_view View() const { return stored_ ? *stored_ : copy_; }

private:
    std::optional<std::string_view> stored_;
    std::string copy_;
};

int CompareOrdinal(const TCell& first, const TCell& second)
{
    const int result = TTextInPlace(first).View().compare(TTextInPlace(second).View());
    return Order(result, 0);
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int CompareAsciiCaseInsensitive(const TCell& first, const TCell& second)
{
    const TTextInPlace a(first), b(second);
    const std::string_view x = a.View(), y = b.View();
    const size_t common = std::min(x.size(), y.size());
    for (size_t i = 0; i < common; ++i) {
        const auto p = static_cast<unsigned char>(AsciiLower(x[i]));
        const auto q = static_cast<unsigned char>(AsciiLower(y[i]));
        if (p != q)
            return Order(p, q);
    }
    return Order(x.size(), y.size());
}

int CompareNumeric(const TCell& first, const TCell& second)
{
    double a = 0, b = 0;
    try {
        a = first.AsFloat();
        b = second.AsFloat();
    } catch (const EConvertError&) {
        return CompareOrdinal(first, second);
    }
    return Order(a, b);
}

int CompareIpAddresses(const TCell& first, const TCell& second)
{
    const TIpAddress a = ReadIpAddress(first.AsString());
    const TIpAddress b = ReadIpAddress(second.AsString());
    for (int part = 0; part < 4; ++part)
        if (a.Parts[part] != b.Parts[part])
            return Order(a.Parts[part], b.Parts[part]);
    return 0;
}

int CompareInLocale(const TCell& first, const TCell& second)
{
    return LocaleCompareStr(TTextInPlace(first).View(), TTextInPlace(second).View());
}

} // namespace

TIpAddress ReadIpAddress(std::string_view text)
{
    TIpAddress address;
    int part = 0;
    std::string digits;
    const auto endPart = [&] {
        if (digits.empty() || part == 4)
            throw EConvertError("'" + std::string(text) + "' is not a valid IP address");
        address.Parts[part++] =
            static_cast<unsigned>(std::min(std::stoul(digits.substr(0, 10)), 0xFFFFFFFFul));
        digits.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            digits += c;
        if (c == '.' || i + 1 == text.size())
            endPart();
    }
    return address;
}

int TCellComparer::Compare(TCell& first, TCell& second) const
{
    switch (sortType_) {
    case stAlphabetic:
        return CompareOrdinal(first, second);
    case stBoolean:
        return Order(first.AsBoolean(), second.AsBoolean());
    case stCaseInsensitive:
        return CompareAsciiCaseInsensitive(first, second);
    case stCustom: {
        int compare = 0;
        cells_.DoCompare(&first, &second, compare);
        return compare;
    }
    case stNumeric:
        return CompareNumeric(first, second);
    case stDate:
        return Order(first.AsDateTime(), second.AsDateTime());
    case stIP:
        return CompareIpAddresses(first, second);
    case stUnicodeAlphabetic:
        return CompareInLocale(first, second);
    }
    return 0;
}
