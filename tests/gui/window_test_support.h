#pragma once

// Windows for the tests: a form on the offscreen platform, controls that write down the messages they get,
// and Qt input sent to a control's window.

#include "platform/gui/forms/forms.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The messages a test watches, by name.
std::string MessageName(uint32_t msg);

// A self-painting control that writes down the watched messages it gets (by name, plus a note for some).
class TRecorder : public TCustomControl
{
public:
    explicit TRecorder(TComponent* owner, std::vector<std::string>* log, std::string name)
        : TCustomControl(owner), log_(log), name_(std::move(name))
    {
        SetTabStop(true);
    }
    void WndProc(TMessage& message) override
    {
        const std::string text = MessageName(message.Msg);
        if (!text.empty() && log_)
            log_->push_back(name_ + ":" + text);
        TCustomControl::WndProc(message);
    }
    unsigned dialogCode = 0;
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == WM_GETDLGCODE) {
            message.Result = dialogCode;
            return;
        }
        TCustomControl::Dispatch(message);
    }

private:
    std::vector<std::string>* log_;
    std::string name_;
};

// A shown, active form of the given size.
TForm* ShowTestForm(int width = 300, int height = 200);
void Pump();

void SendKey(TWinControl* control, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = {});
// A mouse event at a point of the control's client area.
void SendMouse(TWinControl* control, QEvent::Type type, TPoint clientPos,
               Qt::MouseButton button = Qt::LeftButton);
// A mouse event at a point of the control's window (frame included).
void SendWindowMouse(TWinControl* control, QEvent::Type type, TPoint windowPos,
                     Qt::MouseButton button = Qt::LeftButton);
// A turn of the wheel (in eighths of a degree, 120 a notch; positive away from the user) over a point of the
// control's client area, sent where the pointer is: to the client area's widget.
void SendWheel(TWinControl* control, TPoint clientPos, int delta,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// A shown form with two recording controls, "a" above "b", both logging into log.
class TwoRecordersTest : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm();
        first = new TRecorder(form, &log, "a");
        first->SetBounds(10, 10, 80, 40);
        first->SetParent(form);
        second = new TRecorder(form, &log, "b");
        second->SetBounds(10, 60, 80, 40);
        second->SetParent(form);
        Pump();
    }
    void TearDown() override { form->Free(); }

    std::vector<std::string> log;
    TForm* form = nullptr;
    TRecorder* first = nullptr;
    TRecorder* second = nullptr;
};
