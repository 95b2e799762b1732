#include "engine/mediainfo_library.h"

#include "platform/system/dynamic_library.h"
#include "support/utf8.h"

#include <array>
#include <filesystem>
#include <locale.h>

static_assert(sizeof(wchar_t) == sizeof(char32_t), "the library's wide texts are UTF-32 here");

namespace {

// The library's interface names, in binding order; the "MediaInfoA_" set follows the wide one.
constexpr std::array<const char*, 10> EntryPointNames = {
    "New", "Delete", "Open", "Close", "Inform", "GetI", "Get", "Option", "State_Get", "Count_Get"};

enum TEntryPoint : size_t
{
    epNew,
    epDelete,
    epOpen,
    epClose,
    epInform,
    epGetI,
    epGet,
    epOption,
    epStateGet,
    epCountGet,
};

using TNewFunc = void* (*)();
using THandleFunc = void (*)(void*);
using TOpenFunc = size_t (*)(void*, const wchar_t*);
using TInformFunc = const wchar_t* (*)(void*, size_t);
using TGetFunc = const wchar_t* (*)(void*, int, size_t, const wchar_t*, int, int);
using TOptionFunc = const wchar_t* (*)(void*, const wchar_t*, const wchar_t*);

constexpr int InfoText = 1;     // the kind of information: the value's text
constexpr int SearchByName = 0; // the kind of search: by parameter name

// Loaded once and never unloaded: analyses may run at any time, and the library keeps static data (its
// option texts) that must stay valid until the program ends.
TDynamicLibrary& Module = *new TDynamicLibrary;
std::array<void*, EntryPointNames.size() * 2> EntryPoints{}; // wide set, then the "A" set

template <typename Func> Func Bound(TEntryPoint entryPoint)
{
    return reinterpret_cast<Func>(EntryPoints[entryPoint]);
}

bool AnalysisEntryPointsBound()
{
    for (TEntryPoint needed : {epNew, epDelete, epOpen, epClose, epInform, epGet, epOption}) {
        if (EntryPoints[needed] == nullptr) {
            return false;
        }
    }
    return true;
}

std::wstring ToWide(const std::string& text)
{
    const std::u32string wide = Utf8ToUtf32(text);
    return std::wstring(wide.begin(), wide.end());
}

std::string FromWide(const wchar_t* text)
{
    if (text == nullptr) {
        return {};
    }
    return Utf32ToUtf8(std::u32string_view(reinterpret_cast<const char32_t*>(text)));
}

// The library turns wide file names into bytes through the calling thread's character locale; file
// names here are UTF-8 whatever the user's locale is, so the conversion runs under a UTF-8 locale.
class TUtf8FileNameLocale
{
public:
    TUtf8FileNameLocale()
    {
        Utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
        if (Utf8 != static_cast<locale_t>(0)) {
            Previous = uselocale(Utf8);
        }
    }
    ~TUtf8FileNameLocale()
    {
        if (Utf8 != static_cast<locale_t>(0)) {
            uselocale(Previous);
            freelocale(Utf8);
        }
    }
    TUtf8FileNameLocale(const TUtf8FileNameLocale&) = delete;
    TUtf8FileNameLocale& operator=(const TUtf8FileNameLocale&) = delete;

private:
    locale_t Utf8;
    locale_t Previous = static_cast<locale_t>(0);
};

} // namespace

bool MediaInfoLibraryExists(const std::string& libraryPath)
{
    if (libraryPath.empty()) {
        return false;
    }
    if (libraryPath.find('/') == std::string::npos) {
        return true; // a bare name goes through the system search, never the current folder
    }
    std::error_code error;
    return std::filesystem::is_regular_file(libraryPath, error);
}

bool LoadMediaInfoLibrary(const std::string& libraryPath)
{
    if (!Module.Loaded() && !libraryPath.empty()) {
        Module.Load(libraryPath);
    }
    if (!Module.Loaded()) {
        return false;
    }
    for (size_t i = 0; i < EntryPointNames.size(); ++i) {
        EntryPoints[i] = Module.Symbol(std::string("MediaInfo_") + EntryPointNames[i]);
        EntryPoints[i + EntryPointNames.size()] =
            Module.Symbol(std::string("MediaInfoA_") + EntryPointNames[i]);
    }
    return true;
}

std::string LoadedMediaInfoLibraryFile()
{
    return Module.LoadedFileName();
}

std::string GetMediaInfoLibraryVersion()
{
    if (!Module.Loaded() || EntryPoints[epOption] == nullptr) {
        return {};
    }
    return FromWide(Bound<TOptionFunc>(epOption)(nullptr, L"Info_Version", L""));
}

TMediaInfoFile::TMediaInfoFile()
{
    if (Module.Loaded() && AnalysisEntryPointsBound()) {
        Handle = Bound<TNewFunc>(epNew)();
    }
}

TMediaInfoFile::~TMediaInfoFile()
{
    if (Handle != nullptr) {
        Bound<THandleFunc>(epClose)(Handle);
        Bound<THandleFunc>(epDelete)(Handle);
    }
}

bool TMediaInfoFile::Open(const std::string& fileName)
{
    if (Handle == nullptr) {
        return false;
    }
    const TUtf8FileNameLocale utf8;
    return Bound<TOpenFunc>(epOpen)(Handle, ToWide(fileName).c_str()) != 0;
}

void TMediaInfoFile::SetLibraryOption(const std::string& option, const std::string& value)
{
    if (Module.Loaded() && EntryPoints[epOption] != nullptr) {
        Bound<TOptionFunc>(epOption)(nullptr, ToWide(option).c_str(), ToWide(value).c_str());
    }
}

std::string TMediaInfoFile::Inform()
{
    return Handle != nullptr ? FromWide(Bound<TInformFunc>(epInform)(Handle, 0)) : std::string();
}

std::string TMediaInfoFile::Get(TMediaInfoStreamKind kind, size_t streamNumber, const std::string& parameter)
{
    if (Handle == nullptr) {
        return {};
    }
    return FromWide(Bound<TGetFunc>(epGet)(Handle, kind, streamNumber, ToWide(parameter).c_str(), InfoText,
                                           SearchByName));
}
