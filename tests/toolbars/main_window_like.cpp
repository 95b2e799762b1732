#include "main_window_like.h"

#include "controls/toolbars/accel_text.h"
#include "controls/toolbars/bar_image_list.h"
#include "controls/toolbars/item_viewer.h"

#include <sstream>

TTestToolbar::TTestToolbar(TComponent* owner) : TBarCustomToolbar(owner)
{
    SetBorderStyle(bsNone);
    SetDragHandleStyle(dhNone);
    SetCloseButton(false);
    SetDockMode(dmCannotFloatOrChangeDocks);
    SetResizable(false);
}

namespace {

TBarDock* TopDock(TForm* form, const std::string& name)
{
    auto* dock = new TBarDock(form);
    dock->SetName(name);
    dock->SetAllowDrag(false);
    dock->SetParent(form);
    return dock;
}

} // namespace

TMainWindowLike::TMainWindowLike(int width)
{
    form = ShowTestForm(width, 260);
    actions = new TActionList(form);
    auto action = [this](const std::string& name, const std::string& caption, const std::string& shortCut,
                         int image) {
        auto* a = new TAction(form);
        a->SetActionList(actions);
        a->SetCaption(caption);
        if (!shortCut.empty())
            a->SetShortCut(TextToShortCut(shortCut));
        a->SetImageIndex(image);
        a->OnExecute = [this, name](TObject*) {
            EXPECT_FALSE(menuBar->View()->State().Contains(vsModal)) << name << " runs after the menu closed";
            ran.push_back(name);
        };
        actionByName[name] = a;
        return a;
    };
    action("Open", "&Open...", "Ctrl+O", 0);
    action("Save", "&Save list", "Ctrl+S", 4);
    action("Refresh", "&Refresh", "F5", -1);
    action("Add", "&Add files...", "Ins", 3);
    action("Start", "&Start", "F10", 5);

    // The bottom dock goes in first: docks aligned to the top stack in the order they come.
    menuDock = TopDock(form, "MenuDock");
    buttonDock = TopDock(form, "ButtonDock");
    buttonDock->SetLimitToOneRow(true);

    menuBar = new TTestToolbar(form);
    menuBar->SetName("MenuBar");
    menuBar->SetMenuBar(true);
    menuBar->SetStretch(true);
    TBarRootItem* root = menuBar->Items();
    auto command = [this](TBarCustomItem* parent, const std::string& caption) {
        TBarCustomItem* item = AddCommand(parent, caption);
        const std::string name = StripHotkey(caption);
        item->OnClick = [this, name](TObject*) {
            EXPECT_FALSE(menuBar->View()->State().Contains(vsModal)) << name << " runs after the menu closed";
            ran.push_back(name);
        };
        return item;
    };
    auto bound = [this, root](TBarCustomItem* parent, const std::string& name) {
        auto* item = new TBarCustomItem(root->Owner());
        item->SetAction(actionByName[name]);
        parent->Add(item);
        return item;
    };
    TSubmenuItem* file = AddSubmenu(root, "&File");
    bound(file, "Open");
    bound(file, "Save");
    AddSeparator(file);
    command(file, "E&xit");
    TSubmenuItem* view = AddSubmenu(root, "&View");
    TSubmenuItem* columns = AddSubmenu(view, "&Columns");
    command(columns, "&Name");
    command(columns, "&Size");
    command(columns, "&Duration");
    command(view, "&Status bar");
    bound(view, "Refresh");
    TSubmenuItem* list = AddSubmenu(root, "&File list");
    bound(list, "Add");
    command(list, "&Remove");
    command(list, "&Clear");
    TSubmenuItem* encoder = AddSubmenu(root, "&Encoder");
    bound(encoder, "Start");
    command(encoder, "Se&ttings");
    TSubmenuItem* help = AddSubmenu(root, "&Help");
    command(help, "&Contents")->SetShortCut(TextToShortCut("Ctrl+K"));
    command(help, "&About");
    menuBar->SetParent(menuDock);

    buttonBar = new TTestToolbar(form);
    buttonBar->SetName("ButtonBar");
    buttonBar->SetFullSize(true);
    buttonBar->SetShrinkMode(tbsmNone);
    buttonBar->SetOptions({tboToolbarStyle, tboToolbarSize});
    buttonBar->SetShowCaption(false);
    buttonBar->SetShowHint(true);
    buttonBar->SetImages(MakeTestImages(form));
    TBarRootItem* buttons = buttonBar->Items();
    for (const char* name : {"Open", "Add"})
        bound(buttons, name)->SetCaption(StripHotkey(actionByName[name]->Caption()));
    AddSeparator(buttons);
    TBarCustomItem* remove = command(buttons, "Remove");
    remove->SetImageIndex(2);
    remove->SetHint("Remove|Takes the selected files off the list");
    bound(buttons, "Start")->SetCaption("Start");
    for (int i = 0; i < buttons->Count(); ++i)
        buttons->Items(i)->SetDisplayMode(nbdmImageAndText);
    buttonBar->SetParent(buttonDock);

    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetAlign(alBottom);
    edit->SetFocus();
    Pump();
}

TMainWindowLike::~TMainWindowLike()
{
    form->Free();
    Pump();
}

TBarCustomItem* TMainWindowLike::Item(const std::string& path) const
{
    TBarCustomItem* parent = menuBar->Items();
    TBarCustomItem* found = nullptr;
    std::istringstream parts(path);
    std::string part;
    while (std::getline(parts, part, '/')) {
        found = nullptr;
        for (int i = 0; i < parent->Count() && !found; ++i)
            if (StripHotkey(parent->Items(i)->Caption()) == part)
                found = parent->Items(i);
        if (!found)
            return nullptr;
        parent = found;
    }
    return found;
}

std::string TMainWindowLike::Path() const
{
    std::string path;
    for (TBarView* view = menuBar->View(); view; view = view->OpenViewerView()) {
        TBarItemViewer* selected = view->Selected();
        if (!selected)
            break;
        path += (path.empty() ? "" : ">") + StripHotkey(RemoveAccelAmpersands(selected->GetDisplayCaption()));
    }
    return path;
}

TPoint TMainWindowLike::BarPoint(const std::string& caption) const
{
    menuBar->View()->ValidatePositions();
    const TRect r = menuBar->View()->Find(Item(caption))->BoundsRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}
