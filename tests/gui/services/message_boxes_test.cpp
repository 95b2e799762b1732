#include "modal_test_support.h"
#include "platform/gui/services/message_boxes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

using BoxAction = std::function<void(QMessageBox&)>;

void PressKey(QMessageBox& box, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&box, &press);
}

const BoxAction Enter = [](QMessageBox& box) { PressKey(box, Qt::Key_Return); };
const BoxAction Escape = [](QMessageBox& box) { PressKey(box, Qt::Key_Escape); };
BoxAction Click(QMessageBox::StandardButton button)
{
    return [button](QMessageBox& box) { box.button(button)->click(); };
}
BoxAction ClickText(const QString& text)
{
    return [text](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons())
            if (button->text().remove('&') == text)
                return button->click();
        ADD_FAILURE() << "no button " << text.toStdString();
    };
}

// Shows a box and, once it is up, lets the action answer it; a box still open afterwards is a failure and
// is closed, so that the test goes on.
int AnswerBox(unsigned flags, const BoxAction& action, QMessageBox* seen = nullptr,
              const std::string& text = "Text")
{
    return RunModal([&] { return ShowMsgBox(text, "Caption", nullptr, flags); },
                    [&](QWidget& window) {
                        auto& box = dynamic_cast<QMessageBox&>(window);
                        if (seen) {
                            seen->setIcon(box.icon());
                            seen->setText(box.text());
                            seen->setTextFormat(box.textFormat());
                            seen->setWindowTitle(box.windowTitle());
                        }
                        action(box);
                        EXPECT_FALSE(box.isVisible()) << "the box is still open";
                    });
}

class MessageBoxTest : public testing::Test
{
protected:
    void SetUp() override { InstallDesktopWindowServices(); }
    void TearDown() override { SetWindowServices(nullptr); }
};

} // namespace

TEST_F(MessageBoxTest, AnswersWithTheButtonPressed)
{
    const struct
    {
        unsigned flags;
        BoxAction action;
        int answer;
    } cases[] = {
        {MB_YESNO, Click(QMessageBox::No), IDNO},
        {MB_YESNO, Enter, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, Enter, IDNO},
        {MB_OKCANCEL, Enter, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, Enter, IDCANCEL},
        {MB_OKCANCEL, Escape, IDCANCEL},
        {MB_OK, Escape, IDOK},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, Enter, IDCANCEL},
        {MB_YESNOCANCEL | MB_DEFBUTTON4, Enter, IDYES}, // no fourth button: the first
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, Enter, IDRETRY},
        {MB_RETRYCANCEL, Escape, IDCANCEL},
        {MB_CANCELTRYCONTINUE | MB_DEFBUTTON2, Enter, IDTRYAGAIN},
        {MB_CANCELTRYCONTINUE, ClickText("Continue"), IDCONTINUE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AnswerBox(c.flags, c.action), c.answer) << std::hex << c.flags;
}

TEST_F(MessageBoxTest, BoxesWithoutCancelIgnoreEscape)
{
    for (unsigned flags : {MB_YESNO, MB_ABORTRETRYIGNORE}) {
        const int answer = AnswerBox(flags, [](QMessageBox& box) {
            PressKey(box, Qt::Key_Escape);
            EXPECT_FALSE(box.close());
            EXPECT_EQ(QApplication::activeModalWidget(), &box) << "still waiting for an answer";
            box.buttons().back()->click();
        });
        EXPECT_NE(answer, 0);
    }
}

TEST_F(MessageBoxTest, IconTitleAndPlainText)
{
    const struct
    {
        unsigned flags;
        QMessageBox::Icon icon;
    } cases[] = {
        {MB_OK, QMessageBox::NoIcon},
        {MB_ICONERROR, QMessageBox::Critical},
        {MB_ICONQUESTION, QMessageBox::Question},
        {MB_ICONWARNING, QMessageBox::Warning},
        {MB_ICONINFORMATION, QMessageBox::Information},
    };
    for (const auto& c : cases) {
        QMessageBox seen;
        AnswerBox(c.flags, Enter, &seen, "<b>a & b</b>");
        EXPECT_EQ(seen.icon(), c.icon) << std::hex << c.flags;
        EXPECT_EQ(seen.windowTitle(), "Caption");
        EXPECT_EQ(seen.text(), "<b>a & b</b>");
        EXPECT_EQ(seen.textFormat(), Qt::PlainText);
    }
}

TEST(WindowTopmost, TogglesTheStayOnTopHintAndKeepsTheWindowShown)
{
    TDesktopWindowServices services;
    QWidget window;
    window.show();
    EXPECT_TRUE(services.SetWindowTopmost(&window, true));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(services.SetWindowTopmost(&window, false));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(services.SetWindowTopmost(nullptr, true));
}
