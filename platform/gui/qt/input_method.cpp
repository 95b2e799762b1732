#include "platform/gui/qt/input_method.h"

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/qt/qt_bridge.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/windows/caret.h"
#include "platform/gui/windows/win_control.h"
#include "platform/gui/windows/window_functions.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>

#include <algorithm>

namespace {

// The text being composed, in one window at a time (the one with the focus).
struct TComposition
{
    HWND window = nullptr;
    std::string text;
    std::string beforeCursor; // the part of text before the composition's cursor
    TRect painted;            // where it was drawn last, in client coordinates
};

TComposition& Composition()
{
    static TComposition composition;
    return composition;
}

// Where the composition starts: the caret, or the client area's corner in a window without one.
TRect Anchor(HWND window)
{
    TRect caret;
    if (GetCaretRect(window, caret))
        return caret;
    return TRect{0, 0, 1, 1};
}

// The composition's rectangle (and cursor offset) with the control's font.
TRect CompositionRect(TWinControl& control, TCanvas& canvas, int* cursorOffset)
{
    const TComposition& c = Composition();
    canvas.Font()->Assign(control.Font());
    const TRect anchor = Anchor(c.window);
    if (cursorOffset)
        *cursorOffset = canvas.TextWidth(c.beforeCursor);
    const int height = std::max(anchor.Height(), canvas.TextHeight(c.text));
    return TRect{anchor.Left, anchor.Top, anchor.Left + canvas.TextWidth(c.text) + 1, anchor.Top + height};
}

void InvalidatePainted()
{
    TComposition& c = Composition();
    if (IsWindow(c.window) && c.painted.Width() > 0)
        InvalidateRect(c.window, &c.painted, false);
    c.painted = {};
}

} // namespace

QVariant InputMethodAnswer(TWinControl& window, Qt::InputMethodQuery query)
{
    const TWindowData& w = window.Window();
    if (query == Qt::ImFont)
        return ToQFont(*window.Font());
    if (query != Qt::ImCursorRectangle)
        return {};
    TRect cursor = Anchor(w.handle);
    const TComposition& c = Composition();
    if (c.window == w.handle && !c.text.empty()) {
        TCanvas measure;
        int offset = 0;
        CompositionRect(window, measure, &offset);
        cursor.Left += offset;
        cursor.Right += offset;
    }
    OffsetRect(cursor, w.clientInWindow.Left, w.clientInWindow.Top);
    return ToQRect(cursor);
}

void NoteComposition(TWinControl& window, const QInputMethodEvent& event)
{
    TComposition& c = Composition();
    const QString text = event.preeditString();
    int cursor = static_cast<int>(text.size());
    for (const QInputMethodEvent::Attribute& attribute : event.attributes())
        if (attribute.type == QInputMethodEvent::Cursor)
            cursor = std::clamp(attribute.start, 0, static_cast<int>(text.size()));
    InvalidatePainted();
    c.window = text.isEmpty() ? nullptr : window.Window().handle;
    c.text = text.toStdString();
    c.beforeCursor = text.left(cursor).toStdString();
    if (c.window) {
        TCanvas measure;
        const TRect area = CompositionRect(window, measure, nullptr);
        InvalidateRect(c.window, &area, false);
    }
    if (QGuiApplication::inputMethod())
        QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
}

void PaintComposition(HWND window, TCanvas& canvas)
{
    TComposition& c = Composition();
    TWinControl* control = WindowControl(window);
    if (!control || c.window != window || c.text.empty())
        return;
    int cursorOffset = 0;
    const TRect area = CompositionRect(*control, canvas, &cursorOffset);
    const TColor text = control->Font()->Color();
    canvas.Brush()->SetColor(control->Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(area);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(area.Left, area.Top, c.text);
    canvas.Pen()->SetColor(text);
    canvas.Pen()->SetWidth(1);
    canvas.MoveTo(area.Left, area.Bottom - 1);
    canvas.LineTo(area.Right, area.Bottom - 1);
    canvas.MoveTo(area.Left + cursorOffset, area.Top);
    canvas.LineTo(area.Left + cursorOffset, area.Bottom - 1);
    c.painted = area;
}
