#include "menu_test_support.h"

#include "controls/toolbars/bar_image_list.h"
#include "controls/toolbars/item_viewer.h"
#include "held_buttons.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/window_enumeration.h"
#include "platform/gui/windows/window_functions.h"

TBarCustomItem* AddCommand(TBarCustomItem* parent, const std::string& caption)
{
    auto* item = new TBarCustomItem(parent->Owner());
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

TSubmenuItem* AddSubmenu(TBarCustomItem* parent, const std::string& caption, bool combo)
{
    auto* item = new TSubmenuItem(parent->Owner(), combo);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

TBarSeparatorItem* AddSeparator(TBarCustomItem* parent)
{
    auto* item = new TBarSeparatorItem(parent->Owner());
    parent->Add(item);
    return item;
}

TBarCustomImageList* MakeTestImages(TComponent* owner)
{
    auto* images = new TBarCustomImageList(owner);
    TBitmap strip(6 * 16, 16);
    TCanvas& c = *strip.Canvas();
    c.Brush()->SetColor(clFuchsia);
    c.FillRect({0, 0, 96, 16});
    c.Pen()->SetColor(0x004080);
    auto shape = [&c](TColor fill, auto draw) {
        c.Brush()->SetColor(fill);
        draw();
    };
    shape(FolderColor, [&] { c.Rectangle(1, 4, 15, 14); }); // folder
    shape(FolderColor, [&] { c.Rectangle(1, 2, 7, 5); });   // its tab
    c.Pen()->SetColor(clGray);
    shape(clWhite, [&] { c.Rectangle(19, 1, 29, 15); }); // page
    for (int y = 4; y < 13; y += 3) {
        c.MoveTo(21, y);
        c.LineTo(27, y);
    }
    c.Pen()->SetColor(CrossColor);
    c.Pen()->SetWidth(2);
    c.MoveTo(35, 3), c.LineTo(45, 13), c.MoveTo(45, 3), c.LineTo(35, 13); // cross
    c.Pen()->SetColor(PlusColor);
    c.MoveTo(56, 2), c.LineTo(56, 14), c.MoveTo(50, 8), c.LineTo(62, 8); // plus
    c.Pen()->SetWidth(1);
    c.Pen()->SetColor(0x803000);
    shape(DiscColor, [&] { c.Ellipse(66, 2, 78, 14); }); // disc
    shape(clWhite, [&] { c.Ellipse(70, 6, 74, 10); });
    c.Pen()->SetColor(clBlack);
    shape(0x404040, [&] { c.Rectangle(81, 2, 95, 14); }); // film strip
    c.Brush()->SetColor(clWhite);
    for (int x = 83; x < 94; x += 4) {
        c.FillRect({x, 3, x + 2, 5});
        c.FillRect({x, 11, x + 2, 13});
    }
    images->SetImagesBitmap(&strip);
    return images;
}

namespace {

// The screen area the open popups cover together.
TRect PopupsArea()
{
    TRect area{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (TBarPopupWindow* popup : OpenPopups()) {
        const TRect r = popup->BoundsRect();
        area = {std::min(area.Left, r.Left), std::min(area.Top, r.Top), std::max(area.Right, r.Right),
                std::max(area.Bottom, r.Bottom)};
    }
    return area;
}

} // namespace

std::unique_ptr<TBitmap> RenderPopups(int margin)
{
    const std::vector<TBarPopupWindow*> popups = OpenPopups();
    const TRect area = PopupsArea();
    auto picture = std::make_unique<TBitmap>();
    if (popups.empty())
        return picture;
    picture->SetSize(area.Width() + 2 * margin, area.Height() + 2 * margin);
    picture->Canvas()->Brush()->SetColor(clWhite);
    picture->Canvas()->FillRect({0, 0, picture->Width(), picture->Height()});
    for (TBarPopupWindow* popup : popups)
        popup->PaintTo(*picture->Canvas(), popup->Left() - area.Left + margin,
                       popup->Top() - area.Top + margin);
    return picture;
}

int PixelCount(TBitmap& picture, const TRect& r, TColor color)
{
    return CountPixels(picture, r, ColorToRGB(color));
}

void ExpectMostly(TBitmap& picture, const TRect& r, TColor color, const std::string& what)
{
    EXPECT_GT(PixelCount(picture, r, color), r.Width() * r.Height() / 2) << what;
}

TPoint PointInPicture(TBarPopupWindow* popup, TPoint clientPos, int margin)
{
    const TRect area = PopupsArea();
    const TPoint screen = popup->ClientToScreen(clientPos);
    return {screen.X - area.Left + margin, screen.Y - area.Top + margin};
}

TRect EntryInPicture(TBarPopupWindow* popup, const TBarCustomItem* item, int margin)
{
    TRect r = popup->View()->Find(item)->BoundsRect();
    const TPoint topLeft = PointInPicture(popup, r.TopLeft(), margin);
    OffsetRect(r, topLeft.X - r.Left, topLeft.Y - r.Top);
    return r;
}

std::vector<TBarPopupWindow*> OpenPopups()
{
    std::vector<TBarPopupWindow*> popups;
    EnumWindows(
        [&popups](HWND window, LPARAM) {
            if (auto* popup = dynamic_cast<TBarPopupWindow*>(FindControl(window));
                popup && IsWindowVisible(window))
                popups.push_back(popup);
            return true;
        },
        0);
    return popups;
}

TPoint EntryCentre(TBarPopupWindow* popup, const TBarCustomItem* item)
{
    const TRect r = popup->View()->Find(item)->BoundsRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

void MenuFixture::SetUp()
{
    clock = std::make_unique<TManualClock>(1000);
    beeps = std::make_unique<TBeepCounter>();
    form = ShowTestForm(300, 200);
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 150, 24);
    edit->SetFocus();
    // The pointer starts on the form, away from where menus open: a menu only follows a pointer that moves.
    MouseMove(form, {200, 150});
    Pump();
}

void MenuFixture::TearDown()
{
    ReleaseHeldButtons(form);
    form->Free();
    beeps.reset();
    clock.reset();
    Pump();
}

TBarPopupWindow* MenuFixture::Popup(size_t n)
{
    const std::vector<TBarPopupWindow*> popups = OpenPopups();
    if (n >= popups.size()) {
        ADD_FAILURE() << "popup " << n << " is not open";
        return nullptr;
    }
    return popups[n];
}

void MenuFixture::MoveTo(size_t popup, const TBarCustomItem* item)
{
    if (TBarPopupWindow* window = Popup(popup))
        MouseMove(window, EntryCentre(window, item));
}

void MenuFixture::ClickOn(size_t popup, const TBarCustomItem* item, TMouseButton button)
{
    if (TBarPopupWindow* window = Popup(popup)) {
        const TPoint p = EntryCentre(window, item);
        MouseMove(window, p);
        Click(window, p, button);
    }
}
