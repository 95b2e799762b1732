#include "app/model/about_text.h"

#include "platform/gui/services/link_opener.h"
#include "support/markup_escape.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

// The lines of the template, "%...%" the placeholders.
constexpr std::string_view TemplateLines[] = {
    "<bbc:#FDF4B7><fc:clBlack><fn:%TEXT_FONT%>",
    "<c><fn:%TITLE_FONT%><fs:14><b>%APP_NAME%</b></fs></fn></c>",
    "",
    "<c><fs:11>Version %APP_VERSION%</fs></c>",
    "<c><fs:10>%APP_DATE%</fs></c>",
    "<c><fs:10>%APP_LICENSE%</fs></c>",
    "<c><fs:10>%APP_AUTHOR%</fs></c>",
    "",
    "<c><fs:10>%APP_URL%</fs></c>",
    "<c><fs:10>%DONATION%</fs></c>",
    "",
    "<bbc:#C8E9FD><ln:#9ED9FC><c><fn:%TITLE_FONT%><fs:13><b>FFmpeg</b></fs></fn></c>",
    "<c><fn:%VERSION_FONT%><fs:11>%FFMPEG_VERSION%</fs></fn></c>",
    "<c>%FFMPEG_URL%</c>",
    "",
    "<bbc:#EEDBEE><ln:#DDB9DD><c><fn:%TITLE_FONT%><fs:13><b>MediaInfo</b></fs></fn></c>",
    "<c><fn:%VERSION_FONT%><fs:11>%MEDIAINFO_VERSION%</fs></fn></c>",
    "<c>%MEDIAINFO_URL%</c>",
    "",
    "<bbc:#D2E8DA><ln:#A9D3BA><c><fs:10><b>Other open source projects used in the program</b></fs></c>",
    "",
    "%LIBRARIES%",
};

// Whether the address can stand in a link tag as it is: a web or mail address without blanks, control
// characters or angle brackets (a tag's parameter is read up to its ">" and never decoded).
bool IsLinkableAddress(std::string_view address)
{
    for (const char c : address)
        if (static_cast<unsigned char>(c) <= ' ' || c == '<' || c == '>' || c == 0x7F)
            return false;
    return IsWebOrMailAddress(std::string(address));
}

std::string LibraryItems(const std::vector<TAboutLibrary>& libraries)
{
    std::string items;
    for (const TAboutLibrary& library : libraries) {
        if (!items.empty())
            items += "\r\n";
        items += "<li>" + EscapeTagText(library.Name);
        if (!library.Licence.empty())
            items += " (" + EscapeTagText(library.Licence) + ")";
        if (const std::string link = AboutLink(library.Address, library.Address); !link.empty())
            items += " " + link;
        items += "</li>";
    }
    return items;
}

// Each placeholder with its markup; empty markup for a value that is not there.
std::vector<std::pair<std::string_view, std::string>> PlaceholderMarkup(const TAboutValues& values)
{
    return {
        {"%APP_NAME%", EscapeTagText(values.AppName)},
        {"%APP_VERSION%", EscapeTagText(values.AppVersion)},
        {"%APP_DATE%", EscapeTagText(values.AppDate)},
        {"%APP_LICENSE%", EscapeTagText(values.AppLicence)},
        {"%APP_AUTHOR%", EscapeTagText(values.AppAuthor)},
        {"%FFMPEG_VERSION%", EscapeTagText(values.FFmpegVersion)},
        {"%MEDIAINFO_VERSION%", EscapeTagText(values.MediaInfoVersion)},
        {"%APP_URL%", AboutLink(values.AppUrl, values.AppUrl)},
        {"%DONATION%", AboutLink(values.DonationUrl, values.Donation, true)},
        {"%FFMPEG_URL%", AboutLink(values.FFmpegUrl, values.FFmpegUrl)},
        {"%MEDIAINFO_URL%", AboutLink(values.MediaInfoUrl, values.MediaInfoUrl)},
        {"%LIBRARIES%", LibraryItems(values.Libraries)},
    };
}

bool StartsWithIgnoringCase(std::string_view text, size_t at, std::string_view name)
{
    if (text.size() - at < name.size())
        return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[at + i])) !=
            std::toupper(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

// Fills the placeholders of one line in a single pass, so that a value holding a placeholder's name stays
// as it is. False when the line had placeholders and every one of them was empty: the line is left out.
bool FillLine(std::string_view line, const std::vector<std::pair<std::string_view, std::string>>& markup,
              std::string& filled)
{
    bool hadPlaceholder = false, hadValue = false;
    for (size_t at = 0; at < line.size();) {
        const auto found = std::find_if(markup.begin(), markup.end(), [&](const auto& entry) {
            return line[at] == '%' && StartsWithIgnoringCase(line, at, entry.first);
        });
        if (found == markup.end()) {
            filled += line[at++];
            continue;
        }
        filled += found->second;
        hadPlaceholder = true;
        hadValue = hadValue || !found->second.empty();
        at += found->first.size();
    }
    return !hadPlaceholder || hadValue;
}

} // namespace

std::string AboutLink(std::string_view address, std::string_view shownText, bool bold)
{
    if (!IsLinkableAddress(address) || shownText.empty())
        return {};
    const std::string text = bold ? "<b>" + EscapeTagText(shownText) + "</b>" : EscapeTagText(shownText);
    return "<a:" + std::string(address) + ">" + text + "</a>";
}

std::string AboutTemplate(const TAboutFonts& fonts)
{
    std::string text;
    for (const std::string_view line : TemplateLines) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    const std::pair<std::string_view, const std::string&> faces[] = {
        {"%TEXT_FONT%", fonts.Text}, {"%TITLE_FONT%", fonts.Title}, {"%VERSION_FONT%", fonts.Versions}};
    for (const auto& [name, face] : faces)
        for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + face.size()))
            text.replace(at, name.size(), face);
    return text;
}

std::string FillAboutTemplate(std::string_view aboutTemplate, const TAboutValues& values)
{
    const auto markup = PlaceholderMarkup(values);
    std::string filled;
    size_t start = 0;
    bool first = true;
    while (start <= aboutTemplate.size()) {
        size_t end = aboutTemplate.find("\r\n", start);
        if (end == std::string_view::npos)
            end = aboutTemplate.size();
        std::string line;
        if (FillLine(aboutTemplate.substr(start, end - start), markup, line)) {
            if (!first)
                filled += "\r\n";
            filled += line;
            first = false;
        }
        start = end + 2;
    }
    return filled;
}
