#include "memo_test_support.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/forms/menus.h"
#include "platform/gui/services/dropped_files.h"
#include "platform/gui/windows/caret.h"
#include "platform/gui/windows/window_functions.h"
#include "recording_shell.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

class MemoMouse : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        memo->Gutter()->SetVisible(false);
        Pump();
    }
    // A point in a character's cell, the given fraction of the cell from its left edge.
    TPoint In(int col, int row, double across = 0.25) const
    {
        const TRect cell = memo->CellRect(col, row);
        return {cell.Left + static_cast<int>(cell.Width() * across), cell.Top + cell.Height() / 2};
    }
};

} // namespace

TEST_F(MemoMouse, AClickOnACharactersRightHalfPutsTheCaretAfterIt)
{
    SetLines({"alpha beta", "gamma"});
    Click(memo, In(2, 0, 0.8));
    EXPECT_EQ(Caret(), std::make_pair(3, 0));
    Click(memo, In(2, 1, 0.2));
    EXPECT_EQ(Caret(), std::make_pair(2, 1));
    // The first move after a click changes nothing, even with the button held.
    MouseDown(memo, In(1, 0));
    MouseMove(memo, In(4, 0), {ssLeft});
    EXPECT_EQ(memo->Selection(), "");
    MouseMove(memo, In(4, 0), {ssLeft});
    EXPECT_EQ(memo->Selection(), "lph");
    MouseUp(memo, In(4, 0));
}

TEST_F(MemoMouse, DraggingBelowTheLastLineSelectsToItsEnd)
{
    SetLines({"alpha", "beta", "gamma"});
    MouseDown(memo, In(1, 0));
    MouseMove(memo, In(1, 1), {ssLeft});
    MouseMove(memo, In(2, 6), {ssLeft});
    MouseUp(memo, In(2, 6));
    EXPECT_EQ(memo->Selection(), "lpha\r\nbeta\r\ngamma");
    // A press inside the selection released without a move drops it and places the caret.
    Click(memo, In(2, 1));
    EXPECT_EQ(memo->Selection(), "");
    EXPECT_EQ(Caret(), std::make_pair(2, 1));
}

TEST_F(MemoMouse, ADoubleClickSelectsTheWordWithoutASecondPress)
{
    SetLines({"alpha beta"});
    int presses = 0, doubleClicks = 0;
    memo->OnMouseDown = [&presses](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };
    memo->OnDblClick = [&doubleClicks](TObject*) { ++doubleClicks; };
    DoubleClick(memo, In(7, 0, 0.2));
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(memo->Selection(), "beta");
    EXPECT_EQ(Caret(), std::make_pair(10, 0));
    DoubleClick(memo, In(12, 0, 0.2)); // after the line's end: nothing to select
    EXPECT_EQ(memo->Selection(), "");
}

TEST_F(MemoMouse, ThePointerIsAHandOverAUrl)
{
    SetLines({"see http://x.org now"});
    MouseMove(memo, In(6, 0));
    EXPECT_EQ(memo->Cursor(), crHandPoint);
    MouseMove(memo, In(1, 0));
    EXPECT_EQ(memo->Cursor(), crIBeam);
}

// Only web and mail addresses open, on the release of a click that did not move; OnURLClick hears of every
// URL and then the shell of none.
TEST_F(MemoMouse, AClickOnAUrlOpensOnlyWebAndMailAddresses)
{
    TRecordingShell shell;
    SetLines(
        {"go http://x.org/a", "www.y.org", "file:///etc/passwd", "ftp://srv", "mailto:me@z.org", "plain"});
    const auto clickAt = [&](int row) {
        Click(memo, In(2, row));
        Pump();
    };
    for (int row = 0; row < 6; ++row)
        clickAt(row);
    Click(memo, In(5, 0));
    EXPECT_EQ(shell.Calls, (std::vector<std::string>{"open http://www.y.org", "open mailto:me@z.org",
                                                     "open http://x.org/a"}));
    // A drag that starts on a URL selects and opens nothing.
    shell.Calls.clear();
    MouseDown(memo, In(5, 0));
    MouseMove(memo, In(5, 0), {ssLeft});
    MouseMove(memo, In(9, 0), {ssLeft});
    MouseUp(memo, In(9, 0));
    EXPECT_TRUE(shell.Calls.empty());
    std::vector<std::string> urls;
    memo->OnURLClick = [&urls](TObject*, const std::string& url) { urls.push_back(url); };
    clickAt(2);
    clickAt(3);
    EXPECT_EQ(urls, (std::vector<std::string>{"file:///etc/passwd", "ftp://srv"}));
    EXPECT_TRUE(shell.Calls.empty());
}

TEST_F(MemoMouse, TheCaretExistsWhileTheMemoHasTheFocus)
{
    auto* other = new TVezMemo(form);
    other->SetParent(form);
    other->SetBounds(320, 10, 100, 100);
    Pump();
    memo->SetFocus();
    Pump();
    EXPECT_TRUE(CaretShowing(memo->Handle()));
    TRect caret;
    ASSERT_TRUE(GetCaretRect(memo->Handle(), caret));
    EXPECT_EQ(caret.Width(), 2);
    EXPECT_EQ(caret.Height(), memo->CellSize().H - 2);
    other->SetFocus();
    Pump();
    EXPECT_FALSE(CaretShowing(memo->Handle()));
    EXPECT_FALSE(memo->CaretVisible());
}

TEST_F(MemoMouse, AClickInAReadOnlyMemoLeavesTheLinesBlanks)
{
    SetLines({"trailing   ", "next"});
    memo->SetTrimTrailingSpaces(true);
    memo->SetReadOnly(true);
    Click(memo, In(2, 0));
    Click(memo, In(2, 1));
    EXPECT_EQ(Lines()[0], "trailing   ");
    memo->SetReadOnly(false);
    Click(memo, In(2, 0));
    Click(memo, In(2, 1));
    EXPECT_EQ(Lines()[0], "trailing");
}

TEST_F(MemoMouse, TheBuiltInMenuIsMadeForEachRequestAndAPopupMenuReplacesIt)
{
    SetLines({"abc"});
    memo->SetSelectionEnds(0, 0, 2, 0);
    std::vector<std::string> captions;
    std::vector<bool> enabled;
    TPopupMenu* shown = nullptr;
    memo->OnCustomizeContextMenu = [&](TObject*, int, int, TPopupMenu* menu) {
        shown = menu;
        captions.clear();
        enabled.clear();
        for (int i = 0; i < menu->Items()->Count(); ++i) {
            captions.push_back(menu->Items()->Items(i)->Caption());
            enabled.push_back(menu->Items()->Items(i)->Enabled());
            menu->Items()->Items(i)->SetVisible(false); // nothing to show: the menu does not run
        }
    };
    memo->SetReadOnly(true);
    Click(memo, In(1, 0), mbRight);
    EXPECT_EQ(captions,
              (std::vector<std::string>{"Undo\tCtrl+Z", "Redo\tCtrl+Y", "-", "Copy\tCtrl+C", "Cut\tCtrl+X",
                                        "Paste\tCtrl+V", "-", "Select All\tCtrl+A"}));
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, true, true, false, false, true, false}));
    EXPECT_EQ(Caret(), std::make_pair(0, 0)); // the right button moves no caret
    // Its items act by their tags.
    memo->SetReadOnly(false);
    ASSERT_NE(shown, nullptr);
    shown->Items()->Items(7)->SetVisible(true);
    shown->Items()->Items(7)->SetEnabled(true);
    shown->Items()->Items(7)->Click();
    EXPECT_EQ(memo->Selection(), "abc");
    // A form's PopupMenu takes the built-in menu's place.
    TPopupMenu empty(form);
    memo->SetPopupMenu(&empty);
    captions.clear();
    Click(memo, In(1, 0), mbRight);
    EXPECT_TRUE(captions.empty());
    memo->SetPopupMenu(nullptr);
}

TEST_F(MemoMouse, DroppedFilesLoadTheLastAcceptedOneOrAreReported)
{
    // A full name longer than the classic platform's 254 characters.
    const std::string folder = testing::TempDir();
    const std::string deep = folder + std::string(120, 'd') + "/" + std::string(120, 'e');
    std::filesystem::create_directories(deep);
    const std::string longName = deep + "/" + std::string(40, 'n') + ".txt";
    ASSERT_GT(longName.size(), 254u);
    std::ofstream(longName) << "long name\n";
    std::ofstream(folder + "second.txt") << "second\n";
    std::vector<std::string> offered;
    bool accept = true;
    memo->OnFileDrop = [&](TObject*, const std::string& name, bool& defaultHandler) {
        offered.push_back(name);
        defaultHandler = accept && name != folder + "second.txt";
    };
    const auto drop = [&](const std::vector<std::string>& names) {
        SendMessage(memo->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropFiles(names)), 0);
    };
    drop({longName, folder + "second.txt"});
    EXPECT_EQ(offered, (std::vector<std::string>{longName, folder + "second.txt"}));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"long name"}));
    std::vector<std::string> reported;
    SetExceptionReporter([&reported](TObject*, const std::exception_ptr& error) {
        reported.push_back(ExceptionMessage(error));
    });
    drop({folder + "missing.txt"});
    SetExceptionReporter(nullptr);
    EXPECT_EQ(reported.size(), 1u);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"long name"}));
    std::filesystem::remove_all(folder + std::string(120, 'd'));
    std::remove((folder + "second.txt").c_str());
}
