#include "engine/error_records.h"

#include "engine/run_state.h"
#include "platform/system/date_time_text.h"
#include "support/date_time.h"
#include "support/format_settings.h"

namespace {

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
    log.Add("Date & Time: " + FormatDateTime(format.ShortDateFormat, now) + " / " +
            FormatDateTime(format.ShortTimeFormat, now));
    log.Add("Input file: " + Quoted(inputFile));
    log.Add("Output file: " + Quoted(outputFile));
    if (!params.empty())
        log.Add("Parameters: " + std::string(params));
    log.Add("");
    AddLines(log, text);
}
