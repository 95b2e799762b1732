#include "platform/gui/windows/desktop_changes.h"
#include "platform/gui/windows/window_functions.h"
#include "system_message_recorder.h"
#include "window_test_support.h"

#include <QApplication>
#include <QPalette>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

using Log = std::vector<std::string>;

// Two forms: the first holds a panel holding a control, the second one control; the forms and the controls
// write the system messages they get into one log.
class DesktopChanges : public testing::Test
{
protected:
    void SetUp() override
    {
        first = ShowTestForm();
        Watch(first, "first");
        panel = new TSystemRecorder(first, &log, "panel");
        panel->SetBounds(10, 10, 120, 80);
        panel->SetParent(first);
        inner = new TSystemRecorder(first, &log, "inner");
        inner->SetBounds(10, 10, 40, 20);
        inner->SetParent(panel);
        second = ShowTestForm();
        Watch(second, "second");
        other = new TSystemRecorder(second, &log, "other");
        other->SetBounds(10, 10, 50, 20);
        other->SetParent(second);
        Pump();
        log.clear();
    }
    void TearDown() override
    {
        first->Free();
        second->Free();
    }

    void Watch(TForm* form, const std::string& name)
    {
        TWndMethod original = form->WindowProc;
        form->WindowProc = [this, name, original](TMessage& message) {
            if (const std::string text = SystemMessageName(message.Msg); !text.empty())
                log.push_back(name + ":" + text);
            original(message);
        };
    }

    Log log;
    TForm* first = nullptr;
    TSystemRecorder* panel = nullptr;
    TSystemRecorder* inner = nullptr;
    TForm* second = nullptr;
    TSystemRecorder* other = nullptr;
};

// The log of a message that a form sends to itself and down through its controls.
Log DownEveryTree(const std::string& formMessage, const std::string& controlMessage)
{
    Log expected;
    if (!formMessage.empty())
        expected = {"first:" + formMessage};
    for (const char* name : {"first:", "panel:", "inner:"})
        expected.push_back(name + controlMessage);
    if (!formMessage.empty())
        expected.push_back("second:" + formMessage);
    for (const char* name : {"second:", "other:"})
        expected.push_back(name + controlMessage);
    return expected;
}

Log Concatenated(Log a, const Log& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(DesktopChanges, TheToolkitsAndTheLayersNoticesReachEveryWindowInOrder)
{
    const QPalette palette = QApplication::palette();
    const QFont font = QApplication::font();
    const struct
    {
        const char* what;
        std::function<void()> change;
        Log expected;
    } cases[] = {
        {"the application's palette",
         [] {
             QPalette changed = QApplication::palette();
             changed.setColor(QPalette::Button, QColor(10, 120, 30));
             QApplication::setPalette(changed);
         },
         DownEveryTree("SYSCOLORCHANGE", "CM_SYSCOLORCHANGE")},
        {"the application's font", [] { QApplication::setFont(QFont("DejaVu Sans", 12)); },
         Concatenated(DownEveryTree("SETTINGCHANGE", "CM_WININICHANGE"),
                      DownEveryTree("", "CM_SYSFONTCHANGED"))},
        {"the window system's theme of the first form",
         [this] {
             QEvent themeChange(QEvent::ThemeChange);
             QApplication::sendEvent(first->Window().widget->windowHandle(), &themeChange);
         },
         {"first:THEMECHANGED", "panel:THEMECHANGED", "inner:THEMECHANGED"}},
        {"the layer's colours", [] { DesktopChanged(TDesktopChange::Colors); },
         DownEveryTree("SYSCOLORCHANGE", "CM_SYSCOLORCHANGE")},
        {"the layer's theme",
         [] { DesktopChanged(TDesktopChange::Theme); },
         {"first:THEMECHANGED", "panel:THEMECHANGED", "inner:THEMECHANGED", "second:THEMECHANGED",
          "other:THEMECHANGED"}},
        {"the layer's style", [] { DesktopChanged(TDesktopChange::Style); },
         DownEveryTree("", "CM_STYLECHANGED")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        log.clear();
        c.change();
        EXPECT_EQ(log, c.expected);
    }
    QApplication::setPalette(palette);
    QApplication::setFont(font);
}

TEST_F(DesktopChanges, SettingsCarryTheirParametersAndEveryWindowPaintsAgain)
{
    WPARAM setting = 0;
    std::map<std::string, int> paints;
    for (auto [control, name] : {std::pair{panel, "panel"}, {inner, "inner"}, {other, "other"}})
        control->Answer = [&, name = std::string(name)](TMessage& message) {
            if (message.Msg == CM_WININICHANGE)
                setting = message.WParam;
            if (message.Msg == WM_PAINT)
                ++paints[name];
            return false;
        };
    const QFont font = QApplication::font();
    QApplication::setFont(QFont("DejaVu Sans", 11));
    QApplication::setFont(font);
    EXPECT_EQ(setting, SPI_SETNONCLIENTMETRICS);

    Pump();
    paints.clear();
    DesktopChanged(TDesktopChange::Style);
    Pump();
    EXPECT_EQ(paints, (std::map<std::string, int>{{"inner", 1}, {"other", 1}, {"panel", 1}}));
}

TEST_F(DesktopChanges, AWindowHearsItsFontWhenMadeAndWhenTheFontChanges)
{
    std::vector<const TFont*> fonts;
    auto* control = new TSystemRecorder(first, &log, "control");
    control->Answer = [&fonts](TMessage& message) {
        if (message.Msg == WM_SETFONT)
            fonts.push_back(reinterpret_cast<const TFont*>(message.WParam));
        return false;
    };
    control->SetParent(first);
    EXPECT_EQ(log, Log{"control:SETFONT"});
    // The parent's font reaches a control that follows it; its own font the control alone.
    first->Font()->SetSize(14);
    control->Font()->SetStyle({fsBold});
    EXPECT_EQ(log, (Log{"control:SETFONT", "first:SETFONT", "panel:SETFONT", "inner:SETFONT",
                        "control:SETFONT", "control:SETFONT"}));
    EXPECT_EQ(fonts, (std::vector<const TFont*>(3, control->Font())));
    EXPECT_EQ(control->Font()->Size(), 14);
}

} // namespace
