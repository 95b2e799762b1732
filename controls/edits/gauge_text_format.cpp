#include "controls/edits/gauge_painter.h"

#include <cctype>
#include <cstdio>

namespace {

class TIntegerFormatter
{
public:
    TIntegerFormatter(const std::string& format, int32_t first, int32_t second)
        : format_(format), args_{first, second}
    {}

    std::optional<std::string> Run()
    {
        std::string out;
        for (i_ = 0; i_ < format_.size(); ++i_) {
            if (format_[i_] != '%') {
                out += format_[i_];
                continue;
            }
            if (++i_ < format_.size() && format_[i_] == '%') {
                out += '%';
                continue;
            }
            const std::optional<std::string> item = Item();
            if (!item)
                return std::nullopt;
            out += *item;
        }
        return out;
    }

private:
    // Digits, or "*" for the next argument; -1 when neither stands there.
    std::optional<int> Number()
    {
        if (i_ < format_.size() && format_[i_] == '*') {
            ++i_;
            return Next();
        }
        int value = -1;
        for (; i_ < format_.size() && std::isdigit(static_cast<unsigned char>(format_[i_])); ++i_)
            value = std::min(std::max(value, 0) * 10 + (format_[i_] - '0'), 9999);
        return value;
    }

    std::optional<int> Next()
    {
        if (next_ >= 2)
            return std::nullopt;
        return args_[next_++];
    }

    // One "%[index:][-][width][.precision]type" after its "%".
    std::optional<std::string> Item()
    {
        std::optional<int> width = Number();
        if (i_ < format_.size() && format_[i_] == ':') {
            if (!width || *width < 0 || *width > 1)
                return std::nullopt;
            next_ = *width;
            ++i_;
            width = -1;
        }
        const bool left = i_ < format_.size() && format_[i_] == '-';
        if (left) {
            ++i_;
            width = Number();
        } else if (width && *width < 0) {
            width = Number();
        }
        std::optional<int> precision = -1;
        if (i_ < format_.size() && format_[i_] == '.') {
            ++i_;
            precision = Number();
        }
        if (!width || !precision || i_ >= format_.size())
            return std::nullopt;
        const std::optional<int> value = Next();
        if (!value)
            return std::nullopt;
        const std::optional<std::string> digits =
            Digits(std::tolower(static_cast<unsigned char>(format_[i_])), *value, *precision);
        if (!digits)
            return std::nullopt;
        const size_t pad = *width > static_cast<int>(digits->size()) ? *width - digits->size() : 0;
        return left ? *digits + std::string(pad, ' ') : std::string(pad, ' ') + *digits;
    }

    static std::optional<std::string> Digits(int type, int32_t value, int precision)
    {
        char buffer[32];
        switch (type) {
        case 'd': {
            std::snprintf(buffer, sizeof buffer, "%u",
                          value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value));
            std::string digits = buffer;
            if (precision > static_cast<int>(digits.size()))
                digits.insert(0, precision - digits.size(), '0');
            return value < 0 ? "-" + digits : digits;
        }
        case 'u':
        case 'x': {
            std::snprintf(buffer, sizeof buffer, type == 'u' ? "%u" : "%X", static_cast<uint32_t>(value));
            std::string digits = buffer;
            if (precision > static_cast<int>(digits.size()))
                digits.insert(0, precision - digits.size(), '0');
            return digits;
        }
        }
        return std::nullopt;
    }

    const std::string& format_;
    int32_t args_[2];
    int next_ = 0;
    size_t i_ = 0;
};

} // namespace

std::optional<std::string> FormatTwoIntegers(const std::string& format, int32_t first, int32_t second)
{
    return TIntegerFormatter(format, first, second).Run();
}
