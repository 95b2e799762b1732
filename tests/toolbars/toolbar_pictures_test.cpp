#include "controls/toolbars/bar_image_list.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/floating_frame.h"
#include "main_window_like.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/overlay_window.h"
#include "platform/gui/windows/window_enumeration.h"
#include "platform/gui/windows/window_functions.h"

// Pictures of the main window's two top docks (the menu bar over the button bar, wide and narrow) and of a
// toolbar dragged out of its dock.

namespace {

// Where a window shows in a picture of the form's window.
TRect InPicture(TWinControl* control, TForm* form)
{
    TRect r, window;
    GetWindowRect(control->Handle(), r);
    GetWindowRect(form->Handle(), window);
    OffsetRect(r, -window.Left, -window.Top);
    return r;
}

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
        // The menu bar's captions on each of its lines; the first buttons' images on the button bar alone.
        const TRect menuBar = InPicture(w.menuBar, w.form);
        const TRect buttonBar = InPicture(w.buttonBar, w.form);
        for (int line = 0; line < w.menuBar->ClientHeight() / lineHeight; ++line) {
            const int top = menuBar.Top + ClientInWindow(w.menuBar).Top + line * lineHeight;
            const TRect band{menuBar.Left, top, menuBar.Right, top + lineHeight};
            EXPECT_GT(PixelCount(*picture, band, clBtnText), 0) << width << ": the captions of line " << line;
        }
        for (TColor image : {FolderColor, PlusColor}) {
            EXPECT_GT(CountPixels(*picture, buttonBar, image), 0) << width;
            EXPECT_EQ(CountPixels(*picture, menuBar, image), 0) << width;
        }
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
    std::unique_ptr<TBitmap> picture;
    int dockedBottom = 0; // of the toolbar, still in its dock while dragged
    TLoopScript script({{[&] {
                            MouseMove(form, {150, 110}, ssLeft);
                        }},
                        {[&] {
                            picture = RenderWithOverlays(form);
                            dockedBottom = InPicture(toolbar, form).Bottom;
                            SaveScreenshot(*picture, "drag_outline", 2);
                        }},
                        {[&] {
                            MouseUp(form, {150, 110});
                        }}});
    FrameMouseDown(toolbar, {4, 10});
    Pump();
    ASSERT_TRUE(picture);
    EXPECT_TRUE(toolbar->Floating()) << "let go away from the dock, it floats";
    // The outline drawn during the drag, in the black of its dotted lines below the docked toolbar, is where
    // the floating frame came to lie.
    const TRect below{0, dockedBottom, picture->Width(), picture->Height()};
    TRect outline{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int y = below.Top; y < below.Bottom; ++y)
        for (int x = below.Left; x < below.Right; ++x)
            if (picture->Canvas()->Pixels(x, y) == clBlack)
                outline = {std::min(outline.Left, x), std::min(outline.Top, y),
                           std::max(outline.Right, x + 1), std::max(outline.Bottom, y + 1)};
    EXPECT_EQ(outline, InPicture(toolbar->FloatParent(), form));
    form->Free();
    Pump();
}

} // namespace
