#include "platform/gui/standard/edits.h"
#include "platform/gui/windows/caret.h"
#include "window_test_support.h"

#include <QDir>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>

#include <gtest/gtest.h>

namespace {

// A focused edit holding "ab" with the caret at its end.
class InputMethod : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(400, 200);
        edit = new TEdit(form);
        edit->SetBounds(10, 10, 200, 24);
        edit->SetParent(form);
        edit->SetFocus();
        edit->SetText("ab");
        edit->SetSelStart(2);
        edit->OnKeyPress = [this](TObject*, char32_t& ch) { typed += ch; };
        Pump();
    }
    void TearDown() override { form->Free(); }

    QWidget* Window() const { return edit->Window().widget; }
    // The caret in the coordinates of the edit's window.
    QRect Caret() const
    {
        TRect caret;
        EXPECT_TRUE(GetCaretRect(edit->Handle(), caret));
        const TRect& client = edit->Window().clientInWindow;
        return QRect(caret.Left + client.Left, caret.Top + client.Top, caret.Width(), caret.Height());
    }
    QRect Answered() const { return Window()->inputMethodQuery(Qt::ImCursorRectangle).toRect(); }
    QImage Picture(const char* name) const
    {
        const QImage image = Window()->grab().toImage();
        const QString folder = QCoreApplication::applicationDirPath() + "/../screenshots";
        QDir().mkpath(folder);
        image.save(QString("%1/input_method_%2.png").arg(folder, name));
        return image;
    }
    // How many pixels of a row, from x over width, are dark (text, not background).
    static int DarkPixels(const QImage& image, int y, int x, int width)
    {
        int dark = 0;
        for (int i = x; i < x + width; ++i)
            dark += qGray(image.pixel(i, y)) < 128;
        return dark;
    }

    TForm* form = nullptr;
    TEdit* edit = nullptr;
    std::u32string typed;
};

TEST_F(InputMethod, TheInputMethodPlacesItsCandidatesByTheCaret)
{
    ASSERT_EQ(QApplication::focusWidget(), Window());
    EXPECT_EQ(Answered(), Caret());
    // The input method asks the focused window and places the rectangle in the top-level window.
    const QPoint windowOrigin = Window()->mapTo(Window()->window(), QPoint(0, 0));
    EXPECT_EQ(QGuiApplication::inputMethod()->cursorRectangle().toRect(), Caret().translated(windowOrigin));

    const int before = Caret().x();
    SendKey(edit, Qt::Key_C, Qt::NoModifier, "c");
    EXPECT_GT(Caret().x(), before);
    EXPECT_EQ(Answered(), Caret());
}

TEST_F(InputMethod, ComposedTextShowsUnderlinedAtTheCaretUntilCommitted)
{
    const QRect caret = Caret();
    const QImage plain = Picture("plain");
    QInputMethodEvent compose("ka", {QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, 1, 1)});
    QApplication::sendEvent(Window(), &compose);
    const QImage composing = Picture("composing");
    EXPECT_EQ(edit->Text(), "ab");
    EXPECT_TRUE(typed.empty());

    // The text stands right of the caret, underlined at the caret's foot; the candidates go by its cursor,
    // after the "k".
    const QFontMetrics metrics(Window()->inputMethodQuery(Qt::ImFont).value<QFont>());
    const int width = metrics.horizontalAdvance("ka");
    const int underline = caret.top() + std::max(caret.height(), metrics.height()) - 1;
    EXPECT_EQ(DarkPixels(plain, underline, caret.left() + 2, width - 2), 0);
    EXPECT_GE(DarkPixels(composing, underline, caret.left(), width), width - 1);
    int textPixels = 0;
    for (int y = caret.top(); y < underline; ++y)
        textPixels += DarkPixels(composing, y, caret.left() + 2, width - 2);
    EXPECT_GT(textPixels, 10);
    EXPECT_EQ(Answered().left(), caret.left() + metrics.horizontalAdvance("k"));

    // The commit types its characters; the composition and its underline go.
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("か"));
    QApplication::sendEvent(Window(), &commit);
    const QImage committed = Picture("committed");
    EXPECT_EQ(typed, U"か");
    EXPECT_EQ(edit->Text(), "abか");
    EXPECT_LT(DarkPixels(committed, underline, caret.left(), width), width / 2);
    EXPECT_EQ(Answered(), Caret());
}

} // namespace
