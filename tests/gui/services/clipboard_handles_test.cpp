#include "platform/gui/services/clipboard.h"
#include "platform/gui/services/dropped_files.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

TEST(ClipboardHandles, BlocksCarryTextFormatsAndFiles)
{
    QGuiApplication::clipboard()->clear();
    TClipboard clipboard;
    const TClipboardFormat rtf = RegisterClipboardFormat("Rich Text Format");
    EXPECT_EQ(clipboard.GetAsHandle(CF_TEXT), nullptr);

    clipboard.Open();
    clipboard.SetAsText("caf\xC3\xA9");
    clipboard.SetAsHandle(rtf, GlobalFromBytes("{\\rtf1 x}", true));
    clipboard.Close();
    // The text's block holds the text and its zero, so its size is enough for a buffer.
    HGLOBAL text = clipboard.GetAsHandle(CF_TEXT);
    EXPECT_EQ(GlobalSize(text), 6u);
    EXPECT_EQ(GlobalBytes(clipboard.GetAsHandle(rtf), false), std::string("{\\rtf1 x}", 10));
    EXPECT_EQ(GlobalSize(text), 0u); // the earlier block is gone
    char buffer[5];
    EXPECT_EQ(clipboard.GetTextBuf(buffer, sizeof buffer), 3); // the two-byte letter does not fit
    EXPECT_STREQ(buffer, "caf");

    clipboard.SetAsHandle(CF_HDROP, MakeDropFiles({"/tmp/a b.mkv", "/tmp/c.avi"}));
    EXPECT_EQ(DropFileNames(clipboard.GetAsHandle(CF_HDROP)),
              (std::vector<std::string>{"/tmp/a b.mkv", "/tmp/c.avi"}));
}

} // namespace
