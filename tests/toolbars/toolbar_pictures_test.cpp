#include "controls/toolbars/dock_helpers.h"
#include "main_window_like.h"

// Pictures of the main window's two top docks: the menu bar over the button bar, wide and narrow.

namespace {

TEST(ToolbarPictures, TheMainWindowsTopDocks)
{
    for (const int width : {460, 180}) {
        TMainWindowLike w(width);
        TBarDock* menuDock = w.menuDock;
        TBarDock* buttonDock = w.buttonDock;
        // Each bar alone in its dock, a full row wide (the button bar does not shrink below its buttons),
        // inside a 2-pixel frame.
        EXPECT_EQ(w.menuBar->BoundsRect(), (TRect{0, 0, menuDock->ClientWidth(), menuDock->ClientHeight()}));
        EXPECT_EQ(w.buttonBar->BoundsRect().TopLeft(), (TPoint{0, 0}));
        EXPECT_GE(w.buttonBar->Width(), buttonDock->ClientWidth());
        EXPECT_EQ(w.buttonBar->Height(), buttonDock->ClientHeight());
        EXPECT_EQ(ClientInWindow(w.menuBar).TopLeft(), (TPoint{2, 2}));
        EXPECT_EQ(ClientInWindow(w.buttonBar).TopLeft(), (TPoint{2, 2}));
        EXPECT_EQ(buttonDock->Top(), menuDock->Top() + menuDock->Height()) << "the button bar's dock below";
        const int lineHeight = w.menuBar->View()->Viewers(0)->BoundsRect().Height();
        if (width < 200)
            EXPECT_GT(w.menuBar->ClientHeight(), lineHeight) << "a narrow menu bar wraps";
        else
            EXPECT_EQ(w.menuBar->ClientHeight(), lineHeight);
        std::unique_ptr<TBitmap> picture = Render(w.form);
        SaveScreenshot(*picture, "main_window_top_docks_" + std::to_string(width), 2);
    }
}

} // namespace
