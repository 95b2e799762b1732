#include "controls/toolbars/bar_image_list.h"
#include "controls/toolbars/dock_helpers.h"
#include "main_window_like.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/overlay_window.h"
#include "platform/gui/windows/window_enumeration.h"
#include "platform/gui/windows/window_functions.h"

// Pictures of the main window's two top docks (the menu bar over the button bar, wide and narrow) and of a
// toolbar dragged out of its dock.

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

// The form painted with the overlays that show over it, as the user sees them.
std::unique_ptr<TBitmap> RenderWithOverlays(TForm* form)
{
    std::unique_ptr<TBitmap> picture = Render(form);
    TRect window;
    GetWindowRect(form->Handle(), window);
    EnumWindows(
        [&](HWND handle, LPARAM) {
            auto* overlay = dynamic_cast<TOverlayWindow*>(FindControl(handle));
            if (!overlay || !IsWindowVisible(handle))
                return true;
            std::unique_ptr<TBitmap> shown = Render(overlay);
            TRegion shape;
            GetWindowRgn(handle, shape);
            for (const TRect& r : shape.Rects())
                BitBlt(*picture->Canvas(), overlay->Left() - window.Left + r.Left,
                       overlay->Top() - window.Top + r.Top, r.Width(), r.Height(), *shown->Canvas(), r.Left,
                       r.Top, SRCCOPY);
            return true;
        },
        0);
    return picture;
}

TEST(ToolbarPictures, AToolbarDraggedOutOfItsDock)
{
    TForm* form = ShowTestForm(360, 200);
    auto* dock = new TBarDock(form);
    dock->SetParent(form);
    auto* toolbar = new TBarCustomToolbar(form);
    toolbar->SetImages(MakeTestImages(form));
    toolbar->SetSmoothDrag(false);
    for (const char* caption : {"Open", "Add", "Remove"}) {
        TBarCustomItem* item = AddCommand(toolbar->Items(), caption);
        item->SetImageIndex(toolbar->Items()->Count() - 1);
        item->SetDisplayMode(nbdmImageAndText);
    }
    toolbar->SetParent(dock);
    bool pictured = false;
    TLoopScript script({{[&] {
                            MouseMove(form, {150, 110}, ssLeft);
                        }},
                        {[&] {
                            pictured = true;
                            SaveScreenshot(*RenderWithOverlays(form), "drag_outline", 2);
                        }},
                        {[&] {
                            MouseUp(form, {150, 110});
                        }}});
    FrameMouseDown(toolbar, {4, 10});
    Pump();
    EXPECT_TRUE(pictured);
    EXPECT_TRUE(toolbar->Floating()) << "let go away from the dock, it floats";
    form->Free();
    Pump();
}

} // namespace
