#pragma once

#include "engine/shared_records.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Small routines shared by the conversion run, the parameter builders, the profile list and the windows.

// The text in the console's code page, which is UTF-8 here: the text itself.
std::string StrToOem(std::string_view text);

// Sorts by SortIndex, ascending; entries with equal keys keep their order.
void SortProfileInfos(std::span<TProfileInfo> profiles);

// percent / 100 with two decimals and "." as decimal separator: 150 gives "1.50".
std::string VolumeToStr(int32_t percent);

void ClearGridInfo(TGridInfo& info);

// The decimal separator of the global format settings.
std::string GetDecimalSeparator();

// The processor count: 2 when the system reports none, 4 when it reports more than 32.
int32_t GetDefaultThreadCount();

// "01:02:03.004"; "00:00:00.000" for 0 or less. Hours have no upper limit.
std::string MsToTimeStrWithMs(int64_t milliseconds);

// True when the file's extension, in any letter case, is one of the accepted input extensions.
bool IsSupportedInputFile(std::string_view fileName);

// The name itself when nothing of that name exists; otherwise the first free name made of the name
// without its extension, the separator, a counter from 1 to 100000 padded with zeros to `digits` digits
// and the extension ("a.avi" -> "a_001.avi"). Empty when every counter is taken.
std::string GetUniqueFileName(const std::string& fileName, std::string_view separator, int digits);

// Creates a private run folder "Zantrove_Quillconv_<date>@<time>_XXXXXX" (mode 0700, the X's made unique)
// in the temporary folder and returns its full name; on failure returns empty and sets errorText.
std::string GetRunTempDir(std::string& errorText);
