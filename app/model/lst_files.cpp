#include "app/model/lst_files.h"

#include "platform/system/file_io.h"
#include "support/text_file_encoding.h"
#include "support/text_routines.h"

#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> SplitLstLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// The line's folder without a trailing "." of its own and without the trailing "/", and its name.
std::string LstLineFileName(const std::string& line, const std::string& listFolder)
{
    const size_t slash = line.rfind('/');
    const std::string name = slash == std::string::npos ? line : line.substr(slash + 1);
    std::string folder = slash == std::string::npos ? std::string() : line.substr(0, slash + 1);
    folder = ExcludeTrailingDotAndDelimiter(folder);
    if (folder.empty() && slash == 0)
        folder = "/";
    const fs::path base = folder.empty() ? fs::path(listFolder) : fs::path(listFolder) / folder;
    return (base / name).lexically_normal().string();
}

} // namespace

std::vector<std::string> LstFileNames(const std::string& text, const std::string& listFolder)
{
    std::vector<std::string> names;
    for (const std::string& line : SplitLstLines(text)) {
        if (!line.empty())
            names.push_back(LstLineFileName(line, listFolder));
    }
    return names;
}

std::vector<std::string> ReadLstFile(const std::string& lstFile)
{
    std::string bytes;
    if (const int error = ReadFileBytes(lstFile, bytes); error != 0)
        throw std::runtime_error("Cannot open file \"" + lstFile + "\". " + std::strerror(error));
    TTextEncoding encoding = TTextEncoding::Default;
    const std::string text = DecodeTextFile(bytes, encoding);
    const fs::path folder = fs::absolute(fs::path(lstFile)).parent_path();
    return LstFileNames(text, folder.string());
}

std::string LstFileBytes(const std::vector<std::string>& names)
{
    std::string bytes;
    for (const std::string& name : names)
        bytes += name + "\r\n";
    return bytes;
}

void WriteLstFile(const std::string& lstFile, const std::vector<std::string>& names)
{
    try {
        ReplaceFileContents(lstFile, LstFileBytes(names));
    } catch (const std::exception& error) {
        throw std::runtime_error("Cannot create file \"" + lstFile + "\". " + error.what());
    }
}
