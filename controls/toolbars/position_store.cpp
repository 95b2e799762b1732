#include "controls/toolbars/position_store.h"

#include "controls/toolbars/dock.h"
#include "controls/toolbars/dockable_window.h"
#include "platform/gui/forms/forms.h"
#include "platform/system/ini_file.h"

#include <charconv>
#include <optional>
#include <vector>

namespace {

std::vector<TBarCustomDockableWindow*> DockableWindows(TCustomForm& form)
{
    std::vector<TBarCustomDockableWindow*> windows;
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* window = dynamic_cast<TBarCustomDockableWindow*>(form.Components(i));
            window && !window->Name().empty())
            windows.push_back(window);
    return windows;
}

std::vector<TBarDock*> Docks(TCustomForm& form)
{
    std::vector<TBarDock*> docks;
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* dock = dynamic_cast<TBarDock*>(form.Components(i)))
            docks.push_back(dock);
    return docks;
}

// A whole number as the store holds it; nothing for a missing key or a text that is not one.
std::optional<int> ReadNumber(const TCustomIniFile& ini, const std::string& section, const char* key)
{
    if (!ini.ValueExists(section, key))
        return std::nullopt;
    const std::string text = ini.ReadString(section, key, "");
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<bool> ReadFlag(const TCustomIniFile& ini, const std::string& section, const char* key)
{
    const std::optional<int> value = ReadNumber(ini, section, key);
    if (!value || (*value != 0 && *value != 1))
        return std::nullopt;
    return *value == 1;
}

// Puts one window where its section says; what the section lacks, or holds unreadable, stays.
void PlaceWindow(TCustomForm& form, TBarCustomDockableWindow& window, const TCustomIniFile& ini)
{
    const std::string& section = window.Name();
    if (!ini.SectionExists(section))
        return;
    if (const std::optional<bool> visible = ReadFlag(ini, section, "Visible"))
        window.SetVisible(*visible);
    // The place it floats at is kept for the next time it floats, docked or not.
    const std::optional<int> x = ReadNumber(ini, section, "FloatX");
    const std::optional<int> y = ReadNumber(ini, section, "FloatY");
    if (x && y)
        window.SetFloatingPosition({*x, *y});
    const std::optional<bool> floating = ReadFlag(ini, section, "Floating");
    if (floating && *floating) {
        window.SetFloating(true);
        return;
    }
    if (!floating || !ini.ValueExists(section, "Dock"))
        return;
    const std::string dockName = ini.ReadString(section, "Dock", "");
    if (dockName.empty()) {
        window.SetCurrentDock(nullptr);
        return;
    }
    auto* dock = dynamic_cast<TBarDock*>(form.FindComponent(dockName));
    if (!dock)
        return;
    if (const std::optional<int> row = ReadNumber(ini, section, "Row"))
        window.SetDockRow(*row);
    if (const std::optional<int> pos = ReadNumber(ini, section, "Pos"))
        window.SetDockPos(*pos);
    window.SetCurrentDock(dock);
}

TBarReadPositionData ReadData(const TCustomIniFile& ini)
{
    TBarReadPositionData data;
    data.ReadIntProc = [&ini](const std::string& name, const std::string& key, int defaultValue, void*) {
        return ReadNumber(ini, name, key.c_str()).value_or(defaultValue);
    };
    data.ReadStringProc = [&ini](const std::string& name, const std::string& key,
                                 const std::string& defaultValue,
                                 void*) { return ini.ReadString(name, key, defaultValue); };
    return data;
}

} // namespace

void SaveToolbarPositions(TCustomForm& form, TIniFile& ini)
{
    TBarWritePositionData data;
    data.WriteIntProc = [&ini](const std::string& name, const std::string& key, int value, void*) {
        ini.WriteInteger(name, key, value);
    };
    data.WriteStringProc = [&ini](const std::string& name, const std::string& key, const std::string& value,
                                  void*) { ini.WriteString(name, key, value); };
    ini.HoldInMemory();
    for (TBarCustomDockableWindow* window : DockableWindows(form)) {
        const std::string& section = window->Name();
        ini.EraseSection(section);
        ini.WriteBool(section, "Visible", window->Visible());
        ini.WriteString(section, "Dock", window->CurrentDock() ? window->CurrentDock()->Name() : "");
        ini.WriteInteger(section, "Row", window->DockRow());
        ini.WriteInteger(section, "Pos", window->DockPos());
        ini.WriteBool(section, "Floating", window->Floating());
        ini.WriteInteger(section, "FloatX", window->FloatingPosition().X);
        ini.WriteInteger(section, "FloatY", window->FloatingPosition().Y);
        window->WritePositionData(data);
    }
    ini.UpdateFile();
}

void LoadToolbarPositions(TCustomForm& form, const TCustomIniFile& ini)
{
    const std::vector<TBarDock*> docks = Docks(form);
    const std::vector<TBarCustomDockableWindow*> windows = DockableWindows(form);
    for (TBarDock* dock : docks)
        dock->BeginUpdate();
    try {
        for (TBarCustomDockableWindow* window : windows)
            PlaceWindow(form, *window, ini);
    } catch (...) {
        for (TBarDock* dock : docks)
            dock->EndUpdate();
        throw;
    }
    for (TBarDock* dock : docks)
        dock->EndUpdate();
    const TBarReadPositionData data = ReadData(ini);
    for (TBarCustomDockableWindow* window : windows) {
        if (!ini.SectionExists(window->Name()))
            continue;
        window->ReadPositionData(data);
        window->DoneReadingPositionData(data);
        if (window->Floating())
            window->MoveOnScreen(true);
    }
}
