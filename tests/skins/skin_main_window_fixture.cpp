#include "skin_main_window_fixture.h"

#include "controls/skins/skin_items.h"
#include "gui_driver.h"
#include "platform/gui/core/resources.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/theme.h"

namespace {

TQvDock* TopDock(TForm* form, const std::string& name, int top, int height)
{
    auto* dock = new TQvDock(form);
    dock->SetName(name);
    dock->SetAllowDrag(false);
    dock->SetParent(form);
    dock->SetBounds(0, top, form->ClientWidth(), height);
    return dock;
}

// What both bars share: no frame, grips or close button, never floating or sized, never customized.
TQvToolbar* FixedBar(TForm* form, const std::string& name, TImageList* images)
{
    auto* bar = new TQvToolbar(form);
    bar->SetName(name);
    bar->SetBorderStyle(bsNone);
    bar->SetCloseButton(false);
    bar->SetDockMode(dmCannotFloatOrChangeDocks);
    bar->SetDragHandleStyle(dhNone);
    bar->SetFullSize(true);
    bar->SetResizable(false);
    bar->SetCustomizable(false);
    bar->SetImages(images);
    return bar;
}

// Sixteen-pixel images of coloured discs, one per button.
TImageList* ButtonImages(TForm* form)
{
    constexpr TColor colors[] = {0x00B06020, 0x0020A040, 0x002040C0, 0x00208090, 0x00905090};
    constexpr int count = sizeof(colors) / sizeof(colors[0]);
    auto* images = new TImageList(form);
    images->SetSize(16, 16);
    TBitmap strip(16 * count, 16);
    TCanvas& canvas = *strip.Canvas();
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect({0, 0, 16 * count, 16});
    for (int i = 0; i < count; ++i) {
        canvas.Brush()->SetColor(colors[i]);
        canvas.Pen()->SetColor(colors[i]);
        canvas.Ellipse(i * 16 + 2, 2, i * 16 + 14, 14);
    }
    images->AddMasked(&strip, clWhite);
    return images;
}

void AddMenus(TQvToolbar* bar)
{
    for (const char* caption : {"&File", "&View", "File &list", "&Encoder", "&Help"}) {
        auto* submenu = new TQvSubmenuItem(bar->Owner());
        submenu->SetCaption(caption);
        auto* command = new TQvItem(bar->Owner());
        command->SetCaption("Command");
        submenu->Add(command);
        bar->Items()->Add(submenu);
    }
}

void AddButtons(TQvToolbar* bar)
{
    const char* captions[] = {"Add", "Remove", nullptr, "Convert", "Stop", "Settings"};
    int image = 0;
    for (const char* caption : captions) {
        if (!caption) {
            bar->Items()->Add(new TQvSeparatorItem(bar->Owner()));
            continue;
        }
        auto* button = new TQvItem(bar->Owner());
        button->SetCaption(caption);
        button->SetHint(caption);
        button->SetImageIndex(image++);
        bar->Items()->Add(button);
    }
}

} // namespace

TMainWindowBars BuildMainWindowBars(TForm* form)
{
    TMainWindowBars bars;
    bars.Images = ButtonImages(form);
    bars.MenuDock = TopDock(form, "MenuDock", 0, 25);
    bars.ButtonDock = TopDock(form, "ButtonDock", 25, 30);
    bars.ButtonDock->SetLimitToOneRow(true);

    bars.MenuBar = FixedBar(form, "MenuBar", bars.Images);
    bars.MenuBar->SetDockPos(0);
    bars.MenuBar->SetProcessShortCuts(true);
    bars.MenuBar->SetShrinkMode(tbsmWrap);
    bars.MenuBar->SetStretch(true);
    bars.MenuBar->SetMenuBar(true);
    AddMenus(bars.MenuBar);
    bars.MenuBar->SetParent(bars.MenuDock);

    bars.ButtonBar = FixedBar(form, "ButtonBar", bars.Images);
    bars.ButtonBar->SetDockPos(1);
    bars.ButtonBar->SetOptions({tboToolbarStyle, tboToolbarSize});
    bars.ButtonBar->SetParentShowHint(false);
    bars.ButtonBar->SetShowHint(true);
    bars.ButtonBar->SetShowCaption(false);
    bars.ButtonBar->SetShrinkMode(tbsmNone);
    AddButtons(bars.ButtonBar);
    bars.ButtonBar->SetParent(bars.ButtonDock);
    return bars;
}

int RegisterMainSkin()
{
    TResourceStream stream("MAINSKIN", RT_RCDATA);
    TStringList text;
    text.LoadFromStream(stream);
    return GetSkinManager().SkinsList().AddSkin(text);
}

void MainWindowBars::SetUp()
{
    SkinManagerFixture::SetUp();
    ASSERT_GE(RegisterMainSkin(), 0);
    Forget("main");
    form = ShowTestForm(520, 120);
    bars = BuildMainWindowBars(form);
    Pump();
}

void MainWindowBars::TearDown()
{
    form->Free();
    Pump();
    SetThemesEnabled(true);
    SkinManagerFixture::TearDown();
}
