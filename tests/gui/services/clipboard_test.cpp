#include "platform/gui/services/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

namespace {

std::string SystemData(const char* mimeType)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data ? data->data(mimeType).toStdString() : std::string();
}

class ClipboardTest : public testing::Test
{
protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }

    const TClipboardFormat rtf = RegisterClipboardFormat("Rich Text Format");
    const TClipboardFormat html = RegisterClipboardFormat("HTML Format");
};

} // namespace

TEST_F(ClipboardTest, FormatsPutInOneSessionLandTogetherAtTheLastClose)
{
    const std::string fragment = "<span style=\"color:#ff0000\">Grüße</span>\r\n";
    const std::string rtfText = "{\\rtf1\\ansi x}";
    TClipboard& clipboard = *Clipboard();

    clipboard.Open();
    clipboard.Open();
    clipboard.SetAsText("Grüße <b>");
    clipboard.SetAsBytes(rtf, rtfText);
    clipboard.Close();
    clipboard.SetAsBytes(html, BuildHtmlClipboardText(fragment));
    EXPECT_EQ(SystemData("text/plain"), "") << "nothing lands before the outer Close";
    EXPECT_TRUE(clipboard.HasFormat(CF_TEXT)) << "the session reads what it has put";
    clipboard.Close();

    EXPECT_EQ(SystemData("text/plain"), "Grüße <b>");
    EXPECT_EQ(SystemData("text/rtf"), rtfText);
    const std::string document = SystemData("text/html");
    EXPECT_TRUE(document.starts_with("<!DOCTYPE html>")) << "no header on this desktop";
    EXPECT_NE(document.find(fragment), std::string::npos);

    for (TClipboardFormat format : {CF_TEXT, CF_UNICODETEXT, rtf, html})
        EXPECT_TRUE(clipboard.HasFormat(format)) << format;
    EXPECT_FALSE(clipboard.HasFormat(CF_HDROP));
    EXPECT_EQ(clipboard.AsText(), "Grüße <b>");
    EXPECT_EQ(clipboard.AsBytes(rtf), rtfText);
    EXPECT_EQ(clipboard.AsBytes(html), document);
}

TEST_F(ClipboardTest, EachPutOutsideASessionReplacesTheContent)
{
    TClipboard& clipboard = *Clipboard();
    clipboard.SetAsBytes(rtf, "{\\rtf1 a}");
    clipboard.SetTextBuf("plain");
    EXPECT_FALSE(clipboard.HasFormat(rtf));
    EXPECT_EQ(clipboard.AsText(), "plain");

    clipboard.Clear();
    EXPECT_FALSE(clipboard.HasFormat(CF_TEXT));
    EXPECT_EQ(clipboard.AsText(), "");

    clipboard.SetAsBytes(html, "<p>no header</p>");
    EXPECT_EQ(SystemData("text/html"), "<p>no header</p>");
}

TEST_F(ClipboardTest, ReadsWhatOtherProgramsPut)
{
    auto* data = new QMimeData;
    data->setText("from elsewhere");
    data->setData("application/rtf", "{\\rtf1 b}");
    QGuiApplication::clipboard()->setMimeData(data);

    EXPECT_EQ(Clipboard()->AsText(), "from elsewhere");
    EXPECT_EQ(Clipboard()->AsBytes(rtf), "{\\rtf1 b}");
    EXPECT_FALSE(Clipboard()->HasFormat(html));
}

TEST_F(ClipboardTest, NamedFormatsKeepTheirIdAndUnknownIdsAreRefused)
{
    EXPECT_EQ(RegisterClipboardFormat("rich text format"), rtf);
    EXPECT_NE(rtf, html);
    EXPECT_GE(rtf, 0xC000);
    EXPECT_FALSE(Clipboard()->HasFormat(0xBFFF));
    EXPECT_THROW(Clipboard()->SetAsBytes(0xBFFF, "x"), std::exception);
}

TEST(HtmlClipboardText, OffsetsNameTheirPlacesWhateverTheirDigits)
{
    // Fragment lengths around the points where an offset gains a digit.
    for (size_t length : {0, 1, 50, 700, 750, 800, 9000, 9800, 10000}) {
        const std::string fragment = std::string(length, 'x') + "\r\n";
        const std::string text = BuildHtmlClipboardText(fragment);
        const auto parts = ParseHtmlClipboardText(text);
        ASSERT_TRUE(parts) << length;
        EXPECT_EQ(parts->Fragment, fragment) << length;
        EXPECT_TRUE(parts->Document.starts_with("<!DOCTYPE html>\r\n")) << length;
        EXPECT_TRUE(text.ends_with(parts->Document)) << "EndHTML is the total length; " << length;
        EXPECT_TRUE(text.starts_with("Version:0.9\r\nStartHTML:")) << length;
    }
}

TEST(HtmlClipboardText, BadHeadersAreNotRead)
{
    const char* const texts[] = {
        "<html>no header</html>",
        "Version:0.9\r\nStartHTML:0\r\nEndHTML:10\r\nStartFragment:0\r\n<a>",
        "Version:0.9\r\nStartHTML:5\r\nEndHTML:10\r\nStartFragment:3\r\nEndFragment:4\r\n<a>",
        "Version:0.9\r\nStartHTML:0\r\nEndHTML:999\r\nStartFragment:1\r\nEndFragment:2\r\n<a>",
        "Version:0.9\r\nStartHTML:x\r\nEndHTML:3\r\nStartFragment:1\r\nEndFragment:2\r\n<a>",
    };
    for (const char* text : texts)
        EXPECT_FALSE(ParseHtmlClipboardText(text)) << text;
}
