#pragma once

#include <string>

// A shared library loaded at run time; unloaded when the object goes. Move-only.
class TDynamicLibrary
{
public:
    TDynamicLibrary() = default;
    ~TDynamicLibrary();
    TDynamicLibrary(TDynamicLibrary&& other) noexcept;
    TDynamicLibrary& operator=(TDynamicLibrary&& other) noexcept;
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    // Loads the library (a path, or a bare name looked up by the system's library search), unloading any
    // library held before. False when it cannot be loaded; LastError() then says why.
    bool Load(const std::string& fileName);
    void Unload();
    bool Loaded() const { return FHandle != nullptr; }

    // The address of an exported symbol, or nullptr when the library lacks it (LastError() says why).
    void* Symbol(const std::string& name);
    template <typename Function> Function FunctionAddress(const std::string& name)
    {
        return reinterpret_cast<Function>(Symbol(name));
    }

    const std::string& LastError() const { return FLastError; }

    // The absolute file the loader actually mapped (a bare name resolved through the system search, links
    // followed); empty when nothing is loaded.
    std::string LoadedFileName() const;

private:
    void* FHandle = nullptr;
    std::string FLastError;
};
