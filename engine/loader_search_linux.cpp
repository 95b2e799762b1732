// The dynamic linker's search for a library, done without loading it: loading a library to learn where it
// lies also loads everything it needs, which costs a start-up many milliseconds.

#include "engine/system_tools.h"

#include "platform/system/file_io.h"
#include "support/elf_file.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// The linker's cache of library names (the format its cache tool has written since 2020), native order:
// a header, then entries of flags, name offset and path offset; offsets count from the header's start.
constexpr std::string_view CacheFileName = "/etc/ld.so.cache";
constexpr std::string_view CacheMagic = "glibc-ld.so.cache1.1";
constexpr std::string_view OldCacheMagic = "ld.so-1.7.0";
constexpr size_t CacheHeaderSize = 48, CacheEntrySize = 24;
constexpr size_t OldCacheHeaderSize = 16, OldCacheEntrySize = 12;

template <typename T> std::optional<T> NumberAt(std::string_view bytes, size_t at)
{
    if (at > bytes.size() || bytes.size() - at < sizeof(T))
        return std::nullopt;
    T value;
    std::memcpy(&value, bytes.data() + at, sizeof(T));
    return value;
}

std::string_view TextAt(std::string_view bytes, size_t at)
{
    if (at >= bytes.size())
        return {};
    const std::string_view rest = bytes.substr(at);
    const size_t end = rest.find('\0');
    return end == std::string_view::npos ? std::string_view{} : rest.substr(0, end);
}

// Where the current format starts: at the beginning, or after the entries of the format before it.
std::optional<size_t> CacheStart(std::string_view cache)
{
    if (cache.substr(0, CacheMagic.size()) == CacheMagic)
        return 0;
    if (cache.substr(0, OldCacheMagic.size()) != OldCacheMagic)
        return std::nullopt;
    const auto oldCount = NumberAt<uint32_t>(cache, 12);
    if (!oldCount)
        return std::nullopt;
    const size_t start = (OldCacheHeaderSize + size_t{*oldCount} * OldCacheEntrySize + 7) & ~size_t{7};
    if (cache.substr(start, CacheMagic.size()) != CacheMagic)
        return std::nullopt;
    return start;
}

// The paths the cache gives for the name, in its order. Entries for the optimised library subfolders are
// left out: the linker takes those only on processors that have the features, and always has the plain one.
std::vector<std::string> CachedPaths(std::string_view cache, std::string_view soname)
{
    std::vector<std::string> paths;
    const std::optional<size_t> start = CacheStart(cache);
    if (!start)
        return paths;
    const std::string_view table = cache.substr(*start);
    const auto count = NumberAt<uint32_t>(table, 20);
    for (size_t i = 0; count && i < *count; ++i) {
        const size_t entry = CacheHeaderSize + i * CacheEntrySize;
        const auto key = NumberAt<uint32_t>(table, entry + 4);
        const auto value = NumberAt<uint32_t>(table, entry + 8);
        const auto hwcap = NumberAt<uint64_t>(table, entry + 16);
        if (!key || !value || !hwcap)
            break;
        if (*hwcap == 0 && TextAt(table, *key) == soname)
            paths.emplace_back(TextAt(table, *value));
    }
    return paths;
}

std::string ReadCache()
{
    std::string bytes;
    ReadFileBytes(std::string(CacheFileName), bytes);
    return bytes;
}

struct TBinaryKind
{
    uint8_t Bits = 0;
    bool BigEndian = false;
    uint16_t Machine = 0;
    bool operator==(const TBinaryKind&) const = default;
};

std::optional<TBinaryKind> KindOf(const std::string& fileName)
{
    TElfFile elf;
    elf.SetFileName(fileName);
    try {
        elf.ReadFileInfo();
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (!elf.IsValidElfFile())
        return std::nullopt;
    return TBinaryKind{elf.Bits(), elf.IsBigEndian(), elf.Machine()};
}

bool IsLibraryForThisProgram(const std::string& fileName)
{
    static const std::optional<TBinaryKind> own = KindOf("/proc/self/exe");
    return IsRegularFile(fileName) && own && KindOf(fileName) == own;
}

std::string Resolved(const std::string& fileName)
{
    char resolved[PATH_MAX];
    return ::realpath(fileName.c_str(), resolved) ? resolved : fileName;
}

// The folders the linker searches last, whatever its cache says.
std::vector<std::string> SystemLibraryFolders()
{
#if defined(__x86_64__)
    const std::string multiarch = "x86_64-linux-gnu";
#elif defined(__aarch64__)
    const std::string multiarch = "aarch64-linux-gnu";
#else
    const std::string multiarch;
#endif
    std::vector<std::string> folders;
    if (!multiarch.empty())
        folders = {"/lib/" + multiarch, "/usr/lib/" + multiarch};
    for (const char* folder : {"/lib64", "/usr/lib64", "/lib", "/usr/lib"})
        folders.emplace_back(folder);
    return folders;
}

std::optional<std::string> FirstLibraryIn(const std::vector<std::string>& folders, const std::string& soname)
{
    for (const std::string& folder : folders) {
        if (const std::string candidate = FileInFolder(folder, soname); IsLibraryForThisProgram(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace

std::string FindLibraryThroughLoader(const std::string& soname)
{
    if (soname.empty())
        return "";
    // A name with a slash is a path to the linker, searched nowhere.
    if (soname.find('/') != std::string::npos)
        return IsLibraryForThisProgram(soname) ? Resolved(soname) : "";
    const char* libraryPath = std::getenv("LD_LIBRARY_PATH");
    if (auto found = FirstLibraryIn(AbsoluteSearchFolders(libraryPath ? libraryPath : "", ":;"), soname))
        return Resolved(*found);
    for (const std::string& cached : CachedPaths(ReadCache(), soname))
        if (IsLibraryForThisProgram(cached))
            return Resolved(cached);
    if (auto found = FirstLibraryIn(SystemLibraryFolders(), soname))
        return Resolved(*found);
    return "";
}
