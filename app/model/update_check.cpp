#include "app/model/update_check.h"

#include "platform/system/mem_ini_file.h"
#include "support/text_routines.h"
#include "support/utf8.h"

#include <vector>

namespace {

// The numbers of a version text without their leading zeros ("0" stays "0"); nullopt when the text is not
// a version.
std::optional<std::vector<std::string>> VersionParts(std::string_view text)
{
    const std::string version = Trim(text);
    std::vector<std::string> parts(1);
    for (const char c : version) {
        if (c == '.') {
            if (parts.back().empty())
                return std::nullopt;
            parts.emplace_back();
        } else if (c >= '0' && c <= '9') {
            if (parts.back() == "0")
                parts.back().clear();
            parts.back() += c;
        } else {
            return std::nullopt;
        }
    }
    if (parts.back().empty())
        return std::nullopt;
    return parts;
}

// Two numbers without leading zeros: the longer is the greater, and equal lengths compare digit by digit.
std::strong_ordering CompareNumbers(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return a.size() <=> b.size();
    return a.compare(b) <=> 0;
}

} // namespace

std::optional<std::strong_ordering> CompareVersions(std::string_view a, std::string_view b)
{
    const auto left = VersionParts(a), right = VersionParts(b);
    if (!left || !right)
        return std::nullopt;
    const size_t count = std::max(left->size(), right->size());
    for (size_t i = 0; i < count; ++i) {
        const std::string& x = i < left->size() ? (*left)[i] : "0";
        const std::string& y = i < right->size() ? (*right)[i] : "0";
        if (const std::strong_ordering order = CompareNumbers(x, y); order != 0)
            return order;
    }
    return std::strong_ordering::equal;
}

bool IsSecureWebAddress(std::string_view address)
{
    constexpr std::string_view scheme = "https://";
    return address.size() > scheme.size() && SameTextIgnoreCase(address.substr(0, scheme.size()), scheme);
}

std::string VersionReplyText(std::string_view body)
{
    return Trim(SanitizeUtf8(body.substr(0, body.find('\0'))));
}

std::optional<TVersionFile> ReadVersionFile(std::string_view text)
{
    TMemIniFile ini("");
    ini.SetStrings({std::string(text)});
    const std::string section = "VersionInfo";
    if (!ini.SectionExists(section))
        return std::nullopt;
    TVersionFile file{ini.ReadString(section, "LastVersion", ""), ini.ReadString(section, "ReleaseDate", "")};
    if (file.LastVersion.empty())
        return std::nullopt;
    return file;
}

TUpdateJudgement JudgeVersionReply(std::string_view replyText, std::string_view ourVersion)
{
    TUpdateJudgement judgement;
    const std::optional<TVersionFile> file = ReadVersionFile(replyText);
    if (!file)
        return judgement;
    const std::optional<std::strong_ordering> order = CompareVersions(file->LastVersion, ourVersion);
    if (!order)
        return judgement;
    judgement.File = *file;
    judgement.Verdict = *order > 0 ? TUpdateVerdict::UpdateAvailable : TUpdateVerdict::NoUpdates;
    return judgement;
}
