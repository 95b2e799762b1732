#pragma once

// The main window's bars as its layout builds them: the menu dock with the menu bar and, below it, the
// button dock with the button bar, with the form values of the main window and a few items of each.

#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_toolbar.h"
#include "skin_test_support.h"

#include <string>

class TForm;
class TImageList;

struct TMainWindowBars
{
    TQvDock* MenuDock = nullptr;
    TQvToolbar* MenuBar = nullptr;
    TQvDock* ButtonDock = nullptr;
    TQvToolbar* ButtonBar = nullptr;
    TImageList* Images = nullptr;
};

// The docks and bars on form (owned by it).
TMainWindowBars BuildMainWindowBars(TForm* form);
// Registers the main window's skin "main" from the program's resources; its index in the skins list.
int RegisterMainSkin();

// A shown form with the main window's bars, on the default skin; "main" is registered and forgotten at the
// end.
class MainWindowBars : public SkinManagerFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    TForm* form = nullptr;
    TMainWindowBars bars;
};
