// A popup menu of 40 entries (images, captions, shortcuts, 4 separators, one submenu) opened, painted once
// and closed: ours, through its modal loop, plain and skinned under the main window's skin "main", against
// the toolkit's own menu with the same 40 actions. Prints our times / the toolkit's at the end; the goal is
// at most 2 for each.

#include "bench_images.h"
#include "bench_main_skin.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_popup_menu.h"
#include "controls/toolbars/popup_menu.h"
#include "controls/toolbars/popup_window.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/message_window.h"
#include "platform/gui/windows/window_enumeration.h"
#include "platform/gui/windows/window_functions.h"
#include "ratio_reporter.h"

#include <QApplication>
#include <QMenu>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int Entries = 40;
constexpr TPoint At{200, 40};
// Entry i: a separator every ninth, the submenu at 20, a shortcut on every third.
bool IsSeparator(int i)
{
    return i % 9 == 8 && i < 40;
}
std::string Caption(int i)
{
    return "Entry &" + std::to_string(i);
}
std::string ShortCutText(int i)
{
    return i % 3 == 0 ? "Ctrl+F" + std::to_string(i % 12 + 1) : "";
}

class TSubmenu : public TBarCustomItem
{
public:
    explicit TSubmenu(TComponent* owner) : TBarCustomItem(owner) { FItemStyle.Include(tbisSubmenu); }
};

// The classes of the framework's menus and of the skinned ones.
struct TFrameworkKind
{
    using Menu = TBarPopupMenu;
    using Item = TBarCustomItem;
    using Submenu = TSubmenu;
    using Separator = TBarSeparatorItem;
};
struct TSkinnedKind
{
    using Menu = TQvPopupMenu;
    using Item = TQvItem;
    using Submenu = TQvSubmenuItem;
    using Separator = TQvSeparatorItem;
};

// Our menu of one kind, and a window whose message paints the open popup and then asks the menu to close.
template <typename Kind> struct TOurs
{
    TOurs() : form(new TForm(nullptr)), menu(new typename Kind::Menu(form))
    {
        form->SetBounds(10, 10, 150, 100);
        form->Show();
        menu->SetImages(ColourSquareImages(form));
        for (int i = 0, made = 0; made < Entries; ++i, ++made) {
            TBarCustomItem* item = nullptr;
            if (IsSeparator(i))
                item = new typename Kind::Separator(form);
            else if (i == 20)
                item = new typename Kind::Submenu(form);
            else
                item = new typename Kind::Item(form);
            const std::string shortCut = ShortCutText(i);
            item->SetCaption(Caption(i) + (shortCut.empty() ? "" : "\t" + shortCut));
            item->SetImageIndex(i % 6);
            menu->Items()->Add(item);
            if (i == 20)
                for (int j = 0; j < 5; ++j) {
                    auto* inner = new typename Kind::Item(form);
                    inner->SetCaption(Caption(j));
                    item->Add(inner);
                }
        }
        painter = AllocateHWnd([](TMessage&) {
            EnumWindows(
                [](HWND window, LPARAM) {
                    if (dynamic_cast<TBarPopupWindow*>(FindControl(window)) && IsWindowVisible(window))
                        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
                    return true;
                },
                0);
        });
    }
    ~TOurs()
    {
        DeallocateHWnd(painter);
        form->Free();
    }
    void OpenPaintClose()
    {
        PostMessage(painter, WM_USER, 0, 0);
        PostMessage(form->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        menu->Popup(At.X, At.Y);
        // Back in the application's event loop, the closed menu's windows are deleted.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    TForm* form;
    typename Kind::Menu* menu;
    HWND painter;
};

struct TToolkits
{
    TToolkits()
    {
        for (int i = 0; i < ImageCount; ++i)
            icons[i] = ColourSquareIcon(i);
        for (int i = 0, made = 0; made < Entries; ++i, ++made) {
            if (IsSeparator(i)) {
                menu.addSeparator();
                continue;
            }
            QString caption = QString::fromStdString(Caption(i));
            QAction* action = i == 20 ? menu.addMenu(&submenu) : menu.addAction(icons[i % 6], caption);
            action->setText(caption);
            action->setIcon(icons[i % 6]);
            if (!ShortCutText(i).empty())
                action->setShortcut(QKeySequence(QString::fromStdString(ShortCutText(i))));
        }
        for (int j = 0; j < 5; ++j)
            submenu.addAction(QString::fromStdString(Caption(j)));
    }
    void OpenPaintClose()
    {
        menu.popup(QPoint(At.X, At.Y));
        QCoreApplication::processEvents();
        menu.repaint();
        menu.hide();
        QCoreApplication::processEvents();
    }
    QIcon icons[6];
    QMenu menu;
    QMenu submenu;
};

void BM_OurMenu(benchmark::State& state)
{
    TOurs<TFrameworkKind> ours;
    for (auto _ : state)
        ours.OpenPaintClose();
}

void BM_OurSkinnedMenu(benchmark::State& state)
{
    TMainSkin skin;
    TOurs<TSkinnedKind> ours;
    for (auto _ : state)
        ours.OpenPaintClose();
}

void BM_ToolkitMenu(benchmark::State& state)
{
    TToolkits toolkits;
    for (auto _ : state)
        toolkits.OpenPaintClose();
}

BENCHMARK(BM_OurMenu)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OurSkinnedMenu)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToolkitMenu)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(
        argc, argv,
        {{"Menu of 40 entries", "BM_OurMenu", "ours", "BM_ToolkitMenu", "toolkit's", " (goal <= 2)"},
         {"Skinned menu of 40 entries under \"main\"", "BM_OurSkinnedMenu", "ours", "BM_ToolkitMenu",
          "toolkit's", " (goal <= 2)"}});
}
