#include "platform/system/dynamic_library.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <link.h>
#include <utility>

namespace {

std::string DlError()
{
    const char* text = ::dlerror();
    return text ? text : "unknown error";
}

} // namespace

TDynamicLibrary::~TDynamicLibrary()
{
    Unload();
}

TDynamicLibrary::TDynamicLibrary(TDynamicLibrary&& other) noexcept
    : FHandle(std::exchange(other.FHandle, nullptr)), FLastError(std::move(other.FLastError))
{}

TDynamicLibrary& TDynamicLibrary::operator=(TDynamicLibrary&& other) noexcept
{
    if (this != &other) {
        Unload();
        FHandle = std::exchange(other.FHandle, nullptr);
        FLastError = std::move(other.FLastError);
    }
    return *this;
}

bool TDynamicLibrary::Load(const std::string& fileName)
{
    Unload();
    FHandle = ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    FLastError = FHandle ? "" : DlError();
    return FHandle != nullptr;
}

void TDynamicLibrary::Unload()
{
    if (FHandle) {
        ::dlclose(FHandle);
        FHandle = nullptr;
    }
}

void* TDynamicLibrary::Symbol(const std::string& name)
{
    if (!FHandle) {
        FLastError = "no library is loaded";
        return nullptr;
    }
    ::dlerror();
    void* address = ::dlsym(FHandle, name.c_str());
    FLastError = address ? "" : DlError();
    return address;
}

std::string TDynamicLibrary::LoadedFileName() const
{
    link_map* map = nullptr;
    if (!FHandle || ::dlinfo(FHandle, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name) {
        return {};
    }
    char resolved[PATH_MAX];
    return ::realpath(map->l_name, resolved) ? resolved : map->l_name;
}
