#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

// The update check without a window: comparing version texts, reading the server's version file in memory
// and judging it against the program's own version.

// Compares two version texts ("1.10", "2.0.3") number by number, so that "1.9" < "1.10" < "2.0" < "10.0";
// a missing part counts as 0 ("1.10" == "1.10.0"). A version is decimal numbers separated by single
// dots, blanks around it ignored; nullopt when either text is not one.
std::optional<std::strong_ordering> CompareVersions(std::string_view a, std::string_view b);

// True for an "https://" address (any letter case) with something after the scheme: the only kind the
// update check asks.
bool IsSecureWebAddress(std::string_view address);

// The keys of the version file's section "VersionInfo".
struct TVersionFile
{
    std::string LastVersion;
    std::string ReleaseDate; // free text, empty when missing
};

// The reply as text to show: up to its first NUL byte, invalid UTF-8 replaced, blanks and line ends at
// its ends removed.
std::string VersionReplyText(std::string_view body);

// The section "VersionInfo" of an INI text, names in any letter case; nullopt without the section or
// without a LastVersion value.
std::optional<TVersionFile> ReadVersionFile(std::string_view text);

enum class TUpdateVerdict
{
    CannotCheck,    // no version information in the reply
    NoUpdates,      // the server's version is not newer than ours
    UpdateAvailable // the server names a newer version
};

struct TUpdateJudgement
{
    TUpdateVerdict Verdict = TUpdateVerdict::CannotCheck;
    TVersionFile File; // what the reply said, when it said it
};

// Judges the text of a reply against the program's version.
TUpdateJudgement JudgeVersionReply(std::string_view replyText, std::string_view ourVersion);
