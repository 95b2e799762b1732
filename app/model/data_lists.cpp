#include "app/model/data_lists.h"

#include "platform/system/file_io.h"
#include "support/text_file_encoding.h"
#include "support/text_routines.h"

#include <optional>

namespace {

// The lines of a text file as the string-list loader splits them (CR LF, LF or a lone CR), or nothing
// when the file cannot be read.
std::optional<std::vector<std::string>> ReadDataFileLines(const std::string& fileName)
{
    std::string bytes;
    if (ReadFileBytes(fileName, bytes) != 0)
        return std::nullopt;
    TTextEncoding found{};
    const std::string text = DecodeTextFile(bytes, found);
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

bool IsTagSeparator(char c)
{
    return c == ' ' || c == '\t';
}

std::string TrimResolutionLineEnd(std::string_view text)
{
    size_t end = text.size();
    while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    return std::string(text.substr(0, end));
}

} // namespace

std::vector<std::string> ParseResolutionLines(const std::vector<std::string>& lines)
{
    std::vector<std::string> items;
    for (const std::string& line : lines) {
        std::string item = TrimResolutionLineEnd(line);
        if (item.empty() || item.starts_with("//"))
            continue;
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<std::string> ParseVideoTagLines(const std::vector<std::string>& lines)
{
    std::vector<std::string> tags;
    for (const std::string& line : lines) {
        const std::string trimmed = Trim(line);
        size_t blank = 0;
        while (blank < trimmed.size() && !IsTagSeparator(trimmed[blank]))
            ++blank;
        if (blank == trimmed.size())
            continue;
        std::string tag = Trim(std::string_view(trimmed).substr(0, blank));
        if (tag.empty() || tag.starts_with("//"))
            continue;
        tags.push_back(std::move(tag));
    }
    return tags;
}

std::vector<std::string> ReadResolutionList(const std::string& fileName)
{
    const auto lines = ReadDataFileLines(fileName);
    return lines ? ParseResolutionLines(*lines) : BuiltInResolutionList();
}

std::vector<std::string> ReadVideoTagList(const std::string& fileName)
{
    const auto lines = ReadDataFileLines(fileName);
    return lines ? ParseVideoTagLines(*lines) : BuiltInVideoTagList();
}

const std::vector<std::string>& BuiltInResolutionList()
{
    static const std::vector<std::string> list = {
        "128 x 96 - SQCIF",  "176 x 144 - QCIF",   "352 x 288 - CIF",     "704 x 576 - 4CIF",
        "160 x 120 - QQVGA", "320 x 240 - QVGA",   "640 x 480 - VGA",     "800 x 600 - SVGA",
        "1024 x 768 - XGA",  "1600 x 1200 - UXGA", "320 x 200 - CGA",     "640 x 350 - EGA",
        "852 x 480 - HD480", "1280 x 720 - HD720", "1920 x 1080 - HD1080"};
    return list;
}

const std::vector<std::string>& BuiltInVideoTagList()
{
    static const std::vector<std::string> list = {"DIV3", "DIV4", "DIV5", "DIVX", "DX50", "DivX",
                                                  "FMP4", "M4S2", "MPG4", "X264", "XVID"};
    return list;
}

TFontParams ChooseMonospaceFont(const TFontInstalledLookup& isInstalled, const std::string& desktopMonospace)
{
    const TFontParams preferred[] = {
        {"Fira Mono", 9}, {"Roboto Mono", 9}, {"Consolas", 10}, {"Courier New", 9}};
    for (const TFontParams& font : preferred)
        if (isInstalled(font.Name))
            return font;
    // Linux desktops seldom have any of the faces above.
    for (const std::string& family : {desktopMonospace, std::string("DejaVu Sans Mono")})
        if (!family.empty() && isInstalled(family))
            return {family, 9};
    return {"Courier New", 9};
}
