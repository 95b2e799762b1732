#include "platform/gui/core/exceptions.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/menus.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/windows/actions.h"
#include "popup_test_support.h"
#include "window_test_support.h"

#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

TMenuItem* NewItem(TComponent* owner, const std::string& caption, Log* log = nullptr)
{
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    if (log)
        item->OnClick = [log, caption](TObject*) { log->push_back(caption); };
    return item;
}

void PressKeys(QWidget& widget, std::initializer_list<std::pair<int, QString>> keys)
{
    for (const auto& [key, text] : keys) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&widget, &press);
    }
}

QStringList Texts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? "|" : action->text());
    return texts;
}

class PopupMenus : public testing::Test
{
protected:
    PopupMenus() : menu(new TPopupMenu(nullptr))
    {
        menu->Items()->Add(NewItem(nullptr, "&Open", &log));
        menu->Items()->Add(NewItem(nullptr, "-"));
        TMenuItem* save = NewItem(nullptr, "&Save", &log);
        save->SetEnabled(false);
        menu->Items()->Add(save);
        menu->Items()->Add(NewItem(nullptr, "&Close", &log));
    }
    ~PopupMenus() override { menu->Free(); }

    Log log;
    TPopupMenu* menu;
};

TEST_F(PopupMenus, KeyboardChoosesAnEnabledItemAndItsClickRunsAfterTheMenuClosed)
{
    bool openDuringClick = true;
    menu->Items()->Items(3)->OnClick = [&](TObject*) {
        openDuringClick = QApplication::activePopupWidget() != nullptr;
        log.push_back("Close");
    };
    menu->OnPopup = [&](TObject* sender) { log.push_back(sender == menu ? "popup" : "?"); };
    OnNextMenu([](QMenu& shown) {
        // Down lands on Open, the next Down skips the separator and the disabled Save.
        PressKeys(shown, {{Qt::Key_Down, ""}, {Qt::Key_Down, ""}, {Qt::Key_Return, "\r"}});
    });
    menu->Popup(40, 50);
    EXPECT_EQ(log, (Log{"popup", "Close"}));
    EXPECT_FALSE(openDuringClick);
    EXPECT_EQ(menu->PopupPoint(), (TPoint{40, 50}));
}

TEST_F(PopupMenus, AcceleratorsChooseAndEscapeChoosesNothing)
{
    OnNextMenu([](QMenu& shown) { PressKeys(shown, {{Qt::Key_C, "c"}}); });
    menu->Popup(0, 0);
    OnNextMenu([](QMenu& shown) { PressKeys(shown, {{Qt::Key_S, "s"}, {Qt::Key_Escape, ""}}); });
    menu->Popup(0, 0);
    EXPECT_EQ(log, (Log{"&Close"}));
}

TEST_F(PopupMenus, ShowsTheItemsStates)
{
    TImageList images(nullptr);
    TBitmap picture;
    picture.SetSize(16, 16);
    images.Add(&picture, nullptr);
    menu->SetImages(&images);
    TMenuItem* open = menu->Items()->Items(0);
    open->SetDefault(true);
    open->SetImageIndex(0);
    open->SetShortCut(ShortCut('O', {ssCtrl}));
    TMenuItem* tabbed = NewItem(nullptr, "Copy\tCtrl+C");
    tabbed->SetChecked(true);
    menu->Items()->Add(tabbed);
    TMenuItem* hidden = NewItem(nullptr, "Hidden");
    hidden->SetVisible(false);
    menu->Items()->Add(hidden);
    OnNextMenu([](QMenu& shown) {
        EXPECT_EQ(Texts(shown), (QStringList{"&Open\tCtrl+O", "|", "&Save", "&Close", "Copy\tCtrl+C"}));
        const QList<QAction*> actions = shown.actions();
        EXPECT_TRUE(actions[0]->font().bold());
        EXPECT_FALSE(actions[0]->icon().isNull());
        EXPECT_FALSE(actions[2]->isEnabled());
        EXPECT_TRUE(actions[4]->isChecked());
    });
    menu->Popup(0, 0);
}

TEST_F(PopupMenus, ASubmenuFillsItselfWhenItOpens)
{
    TMenuItem* recent = NewItem(nullptr, "&Recent");
    recent->Add(NewItem(nullptr, "placeholder"));
    recent->OnClick = [&](TObject*) {
        recent->Clear();
        recent->Add(NewItem(nullptr, "&first.mkv", &log));
        recent->Add(NewItem(nullptr, "&second.mkv", &log));
    };
    menu->Items()->Insert(0, recent);
    OnNextMenu([](QMenu& shown) {
        PressKeys(shown, {{Qt::Key_Down, ""}, {Qt::Key_Right, ""}});
        auto* submenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(submenu, &shown);
        EXPECT_EQ(Texts(*submenu), (QStringList{"&first.mkv", "&second.mkv"}));
        PressKeys(*submenu, {{Qt::Key_S, "s"}});
    });
    menu->Popup(0, 0);
    EXPECT_EQ(log, (Log{"&second.mkv"}));
}

TEST_F(PopupMenus, AMenuWithNothingVisibleShowsNothing)
{
    for (int i = 0; i < menu->Items()->Count(); ++i)
        menu->Items()->Items(i)->SetVisible(false);
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = true;
            popup->close();
        }
    });
    menu->Popup(0, 0);
    Pump();
    EXPECT_FALSE(opened);
}

TEST(MenuItems, TreeOperations)
{
    TMenuItem root(nullptr);
    TMenuItem* a = NewItem(nullptr, "&Alpha");
    TMenuItem* b = NewItem(nullptr, "B&eta");
    TMenuItem* c = NewItem(nullptr, "Gamma\tCtrl+G");
    root.Add(a);
    root.Add(c);
    root.Insert(1, b);
    EXPECT_EQ(root.IndexOf(b), 1);
    EXPECT_EQ(c->MenuIndex(), 2);
    EXPECT_EQ(root.Find("beta"), b);
    EXPECT_EQ(root.Find("&Gamma"), c);
    EXPECT_EQ(root.Find("Delta"), nullptr);
    EXPECT_THROW(root.Add(a), EInvalidOperation);
    EXPECT_THROW(b->Add(&root), EInvalidOperation);
    EXPECT_THROW(root.Items(3), EListError);

    root.Delete(0); // taken out, not freed
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(root.Count(), 2);
    b->Add(a);
    c->Free(); // leaves its parent
    EXPECT_EQ(root.Count(), 1);
    root.Clear(); // frees b and, with it, a
    EXPECT_EQ(root.Count(), 0);
}

TEST(MenuItems, CheckingARadioItemUnchecksItsGroupOnly)
{
    TMenuItem root(nullptr);
    TMenuItem* items[4];
    const int groups[] = {1, 1, 2, 1};
    for (int i = 0; i < 4; ++i) {
        items[i] = NewItem(nullptr, "r" + std::to_string(i));
        items[i]->SetRadioItem(i != 3);
        items[i]->SetGroupIndex(static_cast<uint8_t>(groups[i]));
        items[i]->SetChecked(true);
        root.Add(items[i]);
    }
    items[1]->SetChecked(false);
    items[1]->SetChecked(true);
    EXPECT_FALSE(items[0]->Checked());
    EXPECT_TRUE(items[1]->Checked());
    EXPECT_TRUE(items[2]->Checked()); // another group
    EXPECT_TRUE(items[3]->Checked()); // not a radio item
}

TEST(MenuItems, ALinkedActionLendsItsStateAndRunsOnClick)
{
    TAction action(nullptr);
    action.SetCaption("&Convert");
    action.SetShortCut(ShortCut(VK_F5, {}));
    int runs = 0;
    action.OnExecute = [&](TObject*) { ++runs; };
    TMenuItem item(nullptr);
    item.SetAction(&action);
    EXPECT_EQ(item.Caption(), "&Convert");
    EXPECT_EQ(item.ShortCut(), ShortCut(VK_F5, {}));
    item.Click();
    EXPECT_EQ(runs, 1);
    action.SetEnabled(false);
    action.SetCaption("Stop");
    EXPECT_FALSE(item.Enabled());
    EXPECT_EQ(item.Caption(), "Stop");
    item.Click();
    EXPECT_EQ(runs, 1);
}

TEST(MenuShortCuts, TheFormRunsItsMenusShortCutsWithTheSubmenusOpeningFirst)
{
    Log log;
    TForm* form = ShowTestForm();
    auto* target = new TRecorder(form, nullptr, "target");
    target->SetParent(form);
    target->SetFocus();
    auto* menu = new TPopupMenu(form);
    TMenuItem* tools = NewItem(form, "&Tools", &log);
    TMenuItem* info = NewItem(form, "&Info", &log);
    info->SetShortCut(ShortCut('I', {ssCtrl}));
    tools->Add(info);
    menu->Items()->Add(tools);
    SendKey(target, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(log, (Log{"&Tools", "&Info"}));

    log.clear();
    tools->SetEnabled(false);
    SendKey(target, Qt::Key_I, Qt::ControlModifier);
    SendKey(target, Qt::Key_I); // no Ctrl: another shortcut
    EXPECT_TRUE(log.empty());
    form->Free();
}

TEST(MenuContextPopup, TheControlBecomesThePopupComponent)
{
    TForm* form = ShowTestForm();
    auto* control = new TRecorder(form, nullptr, "c");
    control->SetParent(form);
    control->SetBounds(20, 30, 50, 50);
    TPopupMenu menu(nullptr);
    menu.Items()->Add(NewItem(nullptr, "Item"));
    TPoint shownAt;
    menu.OnPopup = [&](TObject*) { shownAt = menu.PopupPoint(); };
    control->SetPopupMenu(&menu);
    OnNextMenu([](QMenu&) {});
    // From the keyboard: the menu opens at the control's client origin.
    EXPECT_EQ(control->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1)), 1);
    EXPECT_EQ(menu.PopupComponent(), control);
    EXPECT_EQ(shownAt, control->ClientToScreen(TPoint{0, 0}));
    menu.SetAutoPopup(false);
    shownAt = {};
    control->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(shownAt, TPoint{}) << "a menu without AutoPopup opens only when the program asks";
    form->Free();
    EXPECT_EQ(menu.PopupComponent(), nullptr);
}

} // namespace
