#include "controls/grid/grid_cursors.h"

#include "platform/gui/forms/screen.h"

#include <map>

void RegisterGridCursor(TCursor number, const std::string& name)
{
    // A shape lives as long as the program: each resource is loaded once.
    static std::map<std::string, HCURSOR> loaded;
    auto it = loaded.find(name);
    if (it == loaded.end())
        it = loaded.emplace(name, LoadCursor(name)).first;
    Screen->SetCursors(number, it->second);
}
