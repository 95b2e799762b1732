// Reads arbitrary bytes as an INI file through every reader, then writes one key with the profile-file
// writer: the key must read back as written, and every other key must keep the value it had.
// Input: section, key and value (each ended by a backslash and one more byte), then the file's bytes.
#include "platform/system/file_io.h"
#include "platform/system/ini_document.h"
#include "platform/system/ini_file.h"
#include "platform/system/mem_ini_file.h"
#include "support/utf8.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace {

// Every value by section and key, as the reader gives them.
using TIniValues = std::map<std::pair<std::string, std::string>, std::string>;

TIniValues ReadEverything(const TCustomIniFile& ini)
{
    TIniValues values;
    for (const std::string& section : ini.ReadSections()) {
        ini.ReadSectionValues(section);
        for (const std::string& key : ini.ReadSection(section)) {
            values[{section, key}] = ini.ReadString(section, key, "");
            ini.ReadInteger(section, key, 0);
            ini.ReadFloat(section, key, 0);
        }
    }
    return values;
}

// The same name in every run, so that a run's coverage never depends on its process number: the scripts that
// run the harness give each run a temporary folder of its own (TMPDIR).
std::filesystem::path ScratchFolder()
{
    return std::filesystem::temp_directory_path() / "fuzz_ini_file";
}

const std::string& ScratchFile()
{
    static const std::string name = [] {
        std::filesystem::create_directories(ScratchFolder());
        std::atexit([] { std::filesystem::remove_all(ScratchFolder()); });
        return (ScratchFolder() / "file.ini").string();
    }();
    return name;
}

std::string_view TrimBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view()
                                           : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Names are looked up without their blanks and ignoring case.
bool IsWrittenEntry(const std::pair<std::string, std::string>& entry, std::string_view section,
                    std::string_view key)
{
    return SameTextIgnoreCase(entry.first, TrimBlanks(section)) &&
           SameTextIgnoreCase(entry.second, TrimBlanks(key));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(40);
    const std::string key = input.ConsumeRandomLengthString(40);
    const std::string value = input.ConsumeRandomLengthString(200);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const TIniDocument document = TIniDocument::FromFileBytes(bytes);
    document.ToFileBytes();

    const std::string& fileName = ScratchFile();
    ReplaceFileContents(fileName, bytes);
    ReadEverything(TMemIniFile(fileName));
    TIniFile ini(fileName);
    const TIniValues before = ReadEverything(ini);
    try {
        ini.WriteString(section, key, value);
    } catch (const EIniFileError&) {
        std::string unchanged;
        if (ReadFileBytes(fileName, unchanged) != 0 || unchanged != bytes) {
            abort(); // a refused write must leave the file alone
        }
        return 0;
    }
    if (ini.ReadString(section, key, "") != value) {
        abort();
    }
    for (const auto& [entry, oldValue] : before) {
        if (!IsWrittenEntry(entry, section, key) &&
            ini.ReadString(entry.first, entry.second, "") != oldValue) {
            abort();
        }
    }
    return 0;
}
