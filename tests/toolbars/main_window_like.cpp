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

class TFrameworkClasses : public TMainWindowClasses
{
public:
    std::string Name() const override { return "the framework's classes"; }
    TMainWindowTop BuildTop(TForm* form) const override
    {
        // The bottom dock goes in first: docks aligned to the top stack in the order they come.
        TMainWindowTop top;
        top.menuDock = TopDock(form, "MenuDock");
        top.buttonDock = TopDock(form, "ButtonDock");
        top.buttonDock->SetLimitToOneRow(true);

        top.menuBar = new TTestToolbar(form);
        top.menuBar->SetName("MenuBar");
        top.menuBar->SetMenuBar(true);
        top.menuBar->SetStretch(true);
        top.menuBar->SetParent(top.menuDock);

        top.buttonBar = new TTestToolbar(form);
        top.buttonBar->SetName("ButtonBar");
        top.buttonBar->SetFullSize(true);
        top.buttonBar->SetShrinkMode(tbsmNone);
        top.buttonBar->SetOptions({tboToolbarStyle, tboToolbarSize});
        top.buttonBar->SetShowCaption(false);
        top.buttonBar->SetShowHint(true);
        top.buttonBar->SetParent(top.buttonDock);
        return top;
    }
    TBarCustomItem* NewCommand(TComponent* owner) const override { return new TBarCustomItem(owner); }
    TBarCustomItem* NewSubmenu(TComponent* owner) const override { return new TSubmenuItem(owner); }
    TBarCustomItem* NewSeparator(TComponent* owner) const override { return new TBarSeparatorItem(owner); }
};

} // namespace

const TMainWindowClasses& FrameworkClasses()
{
    static const TFrameworkClasses classes;
    return classes;
}

TMainWindowLike::TMainWindowLike(int width, const TMainWindowClasses& classes) : FClasses(classes)
{
    form = ShowTestForm(width, 260);
    actions = new TActionList(form);
    AddAction("Open", "&Open...", "Ctrl+O", 0);
    AddAction("Save", "&Save list", "Ctrl+S", 4);
    AddAction("Refresh", "&Refresh", "F5", -1);
    AddAction("Add", "&Add files...", "Ins", 3);
    AddAction("Start", "&Start", "F10", 5);

    const TMainWindowTop top = classes.BuildTop(form);
    menuDock = top.menuDock;
    buttonDock = top.buttonDock;
    menuBar = top.menuBar;
    buttonBar = top.buttonBar;
    AddMenuBarItems();
    AddButtons();

    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetAlign(alBottom);
    edit->SetFocus();
    Pump();
}

void TMainWindowLike::RecordRun(const std::string& name)
{
    EXPECT_FALSE(menuBar->View()->State().Contains(vsModal)) << name << " runs after the menu closed";
    ran.push_back(name);
}

TAction* TMainWindowLike::AddAction(const std::string& name, const std::string& caption,
                                    const std::string& shortCut, int image)
{
    auto* a = new TAction(form);
    a->SetActionList(actions);
    a->SetCaption(caption);
    if (!shortCut.empty())
        a->SetShortCut(TextToShortCut(shortCut));
    a->SetImageIndex(image);
    a->OnExecute = [this, name](TObject*) { RecordRun(name); };
    actionByName[name] = a;
    return a;
}

TBarCustomItem* TMainWindowLike::AddRecorded(TBarCustomItem* parent, const std::string& caption)
{
    TBarCustomItem* item = FClasses.NewCommand(form);
    item->SetCaption(caption);
    item->OnClick = [this, name = StripHotkey(caption)](TObject*) { RecordRun(name); };
    parent->Add(item);
    return item;
}

TBarCustomItem* TMainWindowLike::AddBound(TBarCustomItem* parent, const std::string& name)
{
    TBarCustomItem* item = FClasses.NewCommand(form);
    item->SetAction(actionByName.at(name));
    parent->Add(item);
    return item;
}

TBarCustomItem* TMainWindowLike::AddMenu(TBarCustomItem* parent, const std::string& caption)
{
    TBarCustomItem* item = FClasses.NewSubmenu(form);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

void TMainWindowLike::AddMenuBarItems()
{
    TBarRootItem* root = menuBar->Items();
    TBarCustomItem* file = AddMenu(root, "&File");
    AddBound(file, "Open");
    AddBound(file, "Save");
    file->Add(FClasses.NewSeparator(form));
    AddRecorded(file, "E&xit");
    TBarCustomItem* view = AddMenu(root, "&View");
    TBarCustomItem* columns = AddMenu(view, "&Columns");
    AddRecorded(columns, "&Name");
    AddRecorded(columns, "&Size");
    AddRecorded(columns, "&Duration");
    AddRecorded(view, "&Status bar");
    AddBound(view, "Refresh");
    TBarCustomItem* list = AddMenu(root, "&File list");
    AddBound(list, "Add");
    AddRecorded(list, "&Remove");
    AddRecorded(list, "&Clear");
    TBarCustomItem* encoder = AddMenu(root, "&Encoder");
    AddBound(encoder, "Start");
    AddRecorded(encoder, "Se&ttings");
    TBarCustomItem* help = AddMenu(root, "&Help");
    AddRecorded(help, "&Contents")->SetShortCut(TextToShortCut("Ctrl+K"));
    AddRecorded(help, "&About");
}

void TMainWindowLike::AddButtons()
{
    buttonBar->SetImages(MakeTestImages(form));
    TBarRootItem* buttons = buttonBar->Items();
    for (const char* name : {"Open", "Add"})
        AddBound(buttons, name)->SetCaption(StripHotkey(actionByName[name]->Caption()));
    buttons->Add(FClasses.NewSeparator(form));
    TBarCustomItem* remove = AddRecorded(buttons, "Remove");
    remove->SetImageIndex(2);
    remove->SetHint("Remove|Takes the selected files off the list");
    AddBound(buttons, "Start")->SetCaption("Start");
    for (int i = 0; i < buttons->Count(); ++i)
        buttons->Items(i)->SetDisplayMode(nbdmImageAndText);
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
