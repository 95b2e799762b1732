#pragma once

// A form built as the program's main window is at its top: a menu bar and a button bar, each alone in a
// top dock that allows no dragging, the button bar's dock limited to one row, commands bound to actions,
// and an edit below them with the focus.

#include "controls/toolbars/dock.h"
#include "controls/toolbars/toolbar.h"
#include "menu_test_support.h"
#include "platform/gui/windows/actions.h"

#include <map>
#include <string>
#include <vector>

// A toolbar as the program makes its two: no frame, no grips, no close button, never floating or sized.
class TTestToolbar : public TBarCustomToolbar
{
public:
    explicit TTestToolbar(TComponent* owner);
};

struct TMainWindowLike
{
    // Builds the form: the menu bar File, View (with a Columns submenu), File list, Encoder and Help (File
    // and File list share their accelerator); the button bar with images and captions.
    explicit TMainWindowLike(int width = 420);
    ~TMainWindowLike();
    TMainWindowLike(const TMainWindowLike&) = delete;
    TMainWindowLike& operator=(const TMainWindowLike&) = delete;

    // The bar's item of a caption without its ampersand, or a command anywhere below it
    // ("View/Columns/Size").
    TBarCustomItem* Item(const std::string& path) const;
    // The bar's selected item and the selected entries of the open menus: "View>Columns>Name".
    std::string Path() const;
    // The client point at the middle of a menu bar item.
    TPoint BarPoint(const std::string& caption) const;

    TForm* form = nullptr;
    TBarDock* menuDock = nullptr;
    TBarDock* buttonDock = nullptr;
    TTestToolbar* menuBar = nullptr;
    TTestToolbar* buttonBar = nullptr;
    TEdit* edit = nullptr;
    TActionList* actions = nullptr;
    // The commands that ran, by caption, in order; each checks that no menu loop runs while it does.
    std::vector<std::string> ran;
    std::map<std::string, TAction*> actionByName;
};
