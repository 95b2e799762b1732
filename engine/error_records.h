#pragma once

#include <string>
#include <string_view>

// The error log of a conversion run: one record per file the encoder failed on.

// Where the records go: the error window's log view, or a fake in tests.
class IErrorLogSink
{
public:
    virtual ~IErrorLogSink() = default;
    virtual void Clear() = 0;
    virtual void Add(const std::string& line) = 0;
};

// "//" followed by 60 hyphens: the line between two records.
inline constexpr std::string_view ErrorRecordSeparator =
    "//------------------------------------------------------------";

// Sets ErrorCount to 0 and empties the log.
void ClearErrorLog(IErrorLogSink& log);

// Appends one record: for errorNo above 0 a separator and the heading "Error # <errorNo>"; then the current
// date and time, the input and output file, the encoder parameters when there are any, an empty line and
// the record text, one log line per line of the text.
void AddErrorRecord(IErrorLogSink& log, std::string_view text, std::string_view inputFile,
                    std::string_view outputFile, int errorNo, std::string_view params);
