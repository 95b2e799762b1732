#include "engine/error_records.h"

#include "engine/run_state.h"
#include "support/date_time.h"
#include "support/format_settings.h"
#include "support/text_routines.h"

namespace {

std::string Padded(int value, size_t digits)
{
    return PadLeft(std::to_string(value), static_cast<int>(digits), U'0');
}

// The date-time in a locale format pattern: runs of y, m, d, h, n, s and z stand for year, month, day,
// hour, minute, second and millisecond ("yy" the year's last two digits; a doubled letter pads to two
// digits, "zzz" to three); text in quotes and every other character are copied.
std::string FormatDateTimePattern(std::string_view pattern, TDateTime value)
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
        const size_t width = run >= 2 ? 2 : 1;
        switch (letter) {
        case 'y':
            result += run <= 2 ? Padded(parts.Year % 100, 2) : std::to_string(parts.Year);
            break;
        case 'm':
            result += Padded(parts.Month, width);
            break;
        case 'd':
            result += Padded(parts.Day, width);
            break;
        case 'h':
            result += Padded(parts.Hour, width);
            break;
        case 'n':
            result += Padded(parts.Minute, width);
            break;
        case 's':
            result += Padded(parts.Second, width);
            break;
        case 'z':
            result += Padded(parts.Millisecond, run >= 3 ? 3 : 1);
            break;
        default:
            result.append(run, letter);
        }
        i += run;
    }
    return result;
}

// Adds the text line by line; a line break at its very end opens no further line.
void AddLines(IErrorLogSink& log, std::string_view text)
{
    if (text.empty())
        log.Add("");
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        log.Add(std::string(line));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

} // namespace

void ClearErrorLog(IErrorLogSink& log)
{
    ErrorCount = 0;
    log.Clear();
}

void AddErrorRecord(IErrorLogSink& log, std::string_view text, std::string_view inputFile,
                    std::string_view outputFile, int errorNo, std::string_view params)
{
    if (errorNo > 0) {
        log.Add(std::string(ErrorRecordSeparator));
        log.Add("");
        log.Add("Error # " + std::to_string(errorNo));
        log.Add("");
    }
    const TDateTime now = Now();
    const TFormatSettings& format = GlobalFormatSettings();
    log.Add("Date & Time: " + FormatDateTimePattern(format.ShortDateFormat, now) + " / " +
            FormatDateTimePattern(format.ShortTimeFormat, now));
    log.Add("Input file: " + Quoted(inputFile));
    log.Add("Output file: " + Quoted(outputFile));
    if (!params.empty())
        log.Add("Parameters: " + std::string(params));
    log.Add("");
    AddLines(log, text);
}
