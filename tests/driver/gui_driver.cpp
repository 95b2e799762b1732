#include "gui_driver_qt.h"

#include "platform/gui/forms/application.h"
#include "platform/gui/qt/bitmap_impl.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/services/drop_targets.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace {

struct NamedKey
{
    int qt;
    QString text;
    bool keypad = false;
};

const std::map<std::string, NamedKey>& KeyNames()
{
    static const std::map<std::string, NamedKey> names = [] {
        std::map<std::string, NamedKey> keys = {
            {"Left", {Qt::Key_Left, {}}},      {"Right", {Qt::Key_Right, {}}},
            {"Up", {Qt::Key_Up, {}}},          {"Down", {Qt::Key_Down, {}}},
            {"Home", {Qt::Key_Home, {}}},      {"End", {Qt::Key_End, {}}},
            {"PgUp", {Qt::Key_PageUp, {}}},    {"PgDn", {Qt::Key_PageDown, {}}},
            {"Del", {Qt::Key_Delete, {}}},     {"Ins", {Qt::Key_Insert, {}}},
            {"BS", {Qt::Key_Backspace, "\b"}}, {"Enter", {Qt::Key_Return, "\r"}},
            {"Tab", {Qt::Key_Tab, "\t"}},      {"Esc", {Qt::Key_Escape, "\x1b"}},
            {"Space", {Qt::Key_Space, " "}},   {"Alt", {Qt::Key_Alt, {}}},
            {"Shift", {Qt::Key_Shift, {}}},    {"Ctrl", {Qt::Key_Control, {}}},
            {"-", {Qt::Key_Minus, "-"}},
        };
        for (int f = 1; f <= 12; ++f)
            keys["F" + std::to_string(f)] = {Qt::Key_F1 + f - 1, {}};
        for (char c = 'a'; c <= 'z'; ++c)
            keys[std::string(1, c)] = {Qt::Key_A + (c - 'a'), QString(QChar(c))};
        for (char c = '0'; c <= '9'; ++c) {
            keys[std::string(1, c)] = {Qt::Key_0 + (c - '0'), QString(QChar(c))};
            keys["Num" + std::string(1, c)] = {Qt::Key_0 + (c - '0'), QString(QChar(c)), true};
        }
        for (const auto& [name, qtKey] :
             std::initializer_list<std::pair<const char*, int>>{{".", Qt::Key_Period},
                                                                {",", Qt::Key_Comma},
                                                                {"-", Qt::Key_Minus},
                                                                {";", Qt::Key_Semicolon},
                                                                {":", Qt::Key_Colon},
                                                                {"/", Qt::Key_Slash},
                                                                {"'", Qt::Key_Apostrophe},
                                                                {"$", Qt::Key_Dollar},
                                                                {"@", Qt::Key_At},
                                                                {"+", Qt::Key_Plus}})
            keys[name] = {qtKey, QString::fromLatin1(name)};
        keys["Num."] = {Qt::Key_Period, ".", true};
        keys["Num,"] = {Qt::Key_Comma, ",", true};
        return keys;
    }();
    return names;
}

struct ParsedKey
{
    NamedKey key;
    Qt::KeyboardModifiers modifiers;
};

ParsedKey ParseKey(const std::string& key)
{
    Qt::KeyboardModifiers modifiers;
    std::string name = key;
    if (const size_t dash = key.find('-'); dash != std::string::npos && dash > 0 && dash + 1 < key.size()) {
        for (char m : key.substr(0, dash))
            modifiers |= m == 'C' ? Qt::ControlModifier : m == 'S' ? Qt::ShiftModifier : Qt::AltModifier;
        name = key.substr(dash + 1);
    }
    const auto it = KeyNames().find(name);
    if (it == KeyNames().end())
        throw std::invalid_argument("unknown key " + key);
    if (it->second.keypad)
        modifiers |= Qt::KeypadModifier;
    return {it->second, modifiers};
}

void SendKeyEvent(TWinControl* control, QEvent::Type type, const ParsedKey& parsed, bool autoRepeat = false)
{
    if (!control->HandleAllocated())
        return;
    QKeyEvent event(type, parsed.key.qt, parsed.modifiers, parsed.key.text, autoRepeat);
    QApplication::sendEvent(control->Window().widget, &event);
}

Qt::KeyboardModifiers ModifiersOf(TShiftState shift)
{
    Qt::KeyboardModifiers modifiers;
    if (shift.Contains(ssShift))
        modifiers |= Qt::ShiftModifier;
    if (shift.Contains(ssCtrl))
        modifiers |= Qt::ControlModifier;
    if (shift.Contains(ssAlt))
        modifiers |= Qt::AltModifier;
    return modifiers;
}

Qt::MouseButtons ButtonsHeld(TShiftState shift)
{
    Qt::MouseButtons buttons;
    if (shift.Contains(ssLeft))
        buttons |= Qt::LeftButton;
    if (shift.Contains(ssRight))
        buttons |= Qt::RightButton;
    if (shift.Contains(ssMiddle))
        buttons |= Qt::MiddleButton;
    return buttons;
}

Qt::MouseButton QtButton(TMouseButton button)
{
    return button == mbRight ? Qt::RightButton : button == mbMiddle ? Qt::MiddleButton : Qt::LeftButton;
}

void SendMouseEvent(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
                    Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

void SendClientMouse(TWinControl* control, QEvent::Type type, TPoint p, Qt::MouseButton button,
                     Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    SendMouseEvent(control->Window().client, type, QPoint(p.X, p.Y), button, buttons, modifiers);
}

} // namespace

void Pump()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

TForm* ShowTestForm(int width, int height)
{
    auto* form = new TForm(Application);
    form->SetBounds(10, 10, width, height);
    form->Show();
    Pump();
    return form;
}

void Press(TWinControl* control, const std::string& key)
{
    if (key.starts_with("=")) {
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromStdString(key.substr(1)));
        QApplication::sendEvent(control->Window().widget, &commit);
        return;
    }
    const ParsedKey parsed = ParseKey(key);
    SendKeyEvent(control, QEvent::KeyPress, parsed);
    SendKeyEvent(control, QEvent::KeyRelease, parsed);
}

void PressAll(TWinControl* control, const std::vector<std::string>& keys)
{
    for (const std::string& key : keys)
        Press(control, key);
}

void KeyDown(TWinControl* control, const std::string& key)
{
    SendKeyEvent(control, QEvent::KeyPress, ParseKey(key));
}

void KeyRepeat(TWinControl* control, const std::string& key)
{
    SendKeyEvent(control, QEvent::KeyPress, ParseKey(key), true);
}

void KeyUp(TWinControl* control, const std::string& key)
{
    SendKeyEvent(control, QEvent::KeyRelease, ParseKey(key));
}

void MouseDown(TWinControl* control, TPoint clientPos, TMouseButton button, TShiftState shift)
{
    const Qt::MouseButton pressed = QtButton(button);
    SendClientMouse(control, QEvent::MouseButtonPress, clientPos, pressed, ButtonsHeld(shift) | pressed,
                    ModifiersOf(shift));
}

void MouseUp(TWinControl* control, TPoint clientPos, TMouseButton button, TShiftState shift)
{
    const Qt::MouseButton released = QtButton(button);
    SendClientMouse(control, QEvent::MouseButtonRelease, clientPos, released, ButtonsHeld(shift) & ~released,
                    ModifiersOf(shift));
}

void MouseMove(TWinControl* control, TPoint clientPos, TShiftState shift)
{
    SendClientMouse(control, QEvent::MouseMove, clientPos, Qt::NoButton, ButtonsHeld(shift),
                    ModifiersOf(shift));
}

void Click(TWinControl* control, TPoint clientPos, TMouseButton button, TShiftState shift)
{
    MouseDown(control, clientPos, button, shift);
    MouseUp(control, clientPos, button, shift);
}

void DoubleClick(TWinControl* control, TPoint clientPos, TMouseButton button)
{
    Click(control, clientPos, button);
    DoubleClickDown(control, clientPos, button);
    MouseUp(control, clientPos, button);
}

void DoubleClickDown(TWinControl* control, TPoint clientPos, TMouseButton button)
{
    const Qt::MouseButton qtButton = QtButton(button);
    SendClientMouse(control, QEvent::MouseButtonDblClick, clientPos, qtButton, qtButton, Qt::NoModifier);
}

void FrameMouseDown(TWinControl* control, TPoint windowPos, TMouseButton button)
{
    const Qt::MouseButton pressed = QtButton(button);
    SendMouseEvent(control->Window().widget, QEvent::MouseButtonPress, QPoint(windowPos.X, windowPos.Y),
                   pressed, pressed, Qt::NoModifier);
}

void FrameMouseMove(TWinControl* control, TPoint windowPos, TShiftState shift)
{
    SendMouseEvent(control->Window().widget, QEvent::MouseMove, QPoint(windowPos.X, windowPos.Y),
                   Qt::NoButton, ButtonsHeld(shift), ModifiersOf(shift));
}

void FrameMouseUp(TWinControl* control, TPoint windowPos, TMouseButton button)
{
    SendMouseEvent(control->Window().widget, QEvent::MouseButtonRelease, QPoint(windowPos.X, windowPos.Y),
                   QtButton(button), Qt::NoButton, Qt::NoModifier);
}

void ClickWindow(TWinControl* control, TPoint windowPos, TMouseButton button)
{
    FrameMouseDown(control, windowPos, button);
    FrameMouseUp(control, windowPos, button);
}

void Wheel(TWinControl* control, TPoint clientPos, int delta, TShiftState shift)
{
    QWidget* widget = control->Window().client;
    const QPointF local(clientPos.X, clientPos.Y);
    QWheelEvent event(local, widget->mapToGlobal(local), QPoint(), QPoint(0, delta), ButtonsHeld(shift),
                      ModifiersOf(shift), Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

std::unique_ptr<TBitmap> Render(TWinControl* control)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(control->Width(), control->Height());
    control->PaintTo(*bitmap->Canvas(), 0, 0);
    return bitmap;
}

void AnswerNextMenu(const std::string& choose, std::vector<std::string>* entries)
{
    QTimer::singleShot(0, [choose, entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            const std::string text = action->isSeparator() ? "-" : action->text().toStdString();
            if (entries)
                entries->push_back(text);
            if (text == choose && action->isEnabled())
                chosen = action;
        }
        if (!chosen) {
            menu->close();
            return;
        }
        menu->setActiveAction(chosen);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(menu, &enter);
    });
}

int CountPixels(TBitmap& bitmap, const TRect& rect, TColor color)
{
    int count = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            count += bitmap.Canvas()->Pixels(x, y) == color ? 1 : 0;
    return count;
}

int PixelsThatDiffer(TBitmap& a, TBitmap& b)
{
    int count = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            count += a.Canvas()->Pixels(x, y) != b.Canvas()->Pixels(x, y) ? 1 : 0;
    return count;
}

std::string SaveScreenshot(const QImage& image, const std::string& name, int scale)
{
    const QDir folder(QStringLiteral(QM_SCREENSHOT_DIR));
    const QString path = folder.filePath(QString::fromStdString(name) + ".png");
    const QImage scaled = image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (image.isNull() || !folder.mkpath(".") || !scaled.save(path, "PNG")) {
        ADD_FAILURE() << "the picture " << path.toStdString() << " could not be saved";
        return {};
    }
    return path.toStdString();
}

std::string SaveScreenshot(const TBitmap& bitmap, const std::string& name, int scale)
{
    bitmap.Internal().ReleaseCanvas();
    return SaveScreenshot(bitmap.Internal().image, name, scale);
}

std::unique_ptr<TBitmap> RenderHtml(const std::string& html, int width)
{
    QTextDocument document;
    document.setHtml(QString::fromStdString(html));
    document.setTextWidth(width);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, static_cast<int>(document.size().height()) + 1);
    QImage& image = bitmap->Internal().image;
    image.fill(Qt::white);
    QPainter painter(&image);
    document.drawContents(&painter);
    return bitmap;
}

QImage ScreenPixels(TWinControl* control)
{
    QWidget* client = control->Window().client;
    QWidget* top = client->window();
    const QRect area(client->mapTo(top, QPoint(0, 0)), client->size());
    // The offscreen platform answers a window's grab from its backing store, as last painted.
    return top->screen()->grabWindow(top->winId(), area.x(), area.y(), area.width(), area.height()).toImage();
}

std::unique_ptr<TBitmap> ScreenBitmap(TWinControl* control)
{
    const QImage screen = ScreenPixels(control);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(screen.width(), screen.height());
    QPainter(&bitmap->Internal().image).drawImage(0, 0, screen);
    return bitmap;
}

void SendKey(TWinControl* control, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    QApplication::sendEvent(control->Window().widget, &press);
    if (!control->HandleAllocated())
        return;
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
    QApplication::sendEvent(control->Window().widget, &release);
}

void SendMouse(TWinControl* control, QEvent::Type type, TPoint clientPos, Qt::MouseButton button)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                         ? Qt::MouseButtons(Qt::NoButton)
                                         : Qt::MouseButtons(button);
    SendMouseEvent(control->Window().client, type, QPoint(clientPos.X, clientPos.Y),
                   type == QEvent::MouseMove ? Qt::NoButton : button, buttons, Qt::NoModifier);
}

void SendWindowMouse(TWinControl* control, QEvent::Type type, TPoint windowPos, Qt::MouseButton button)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                         ? Qt::MouseButtons(Qt::NoButton)
                                         : Qt::MouseButtons(button);
    SendMouseEvent(control->Window().widget, type, QPoint(windowPos.X, windowPos.Y),
                   type == QEvent::MouseMove ? Qt::NoButton : button, buttons, Qt::NoModifier);
}

// --- drags between windows ---------------------------------------------------------------------------------

namespace {

uint32_t EffectOf(Qt::DropAction action)
{
    return action == Qt::CopyAction   ? DROPEFFECT_COPY
           : action == Qt::MoveAction ? DROPEFFECT_MOVE
                                      : DROPEFFECT_NONE;
}

// A drag event at a client point of target; the effect it is answered with (none when refused).
uint32_t SendDragEvent(TWinControl* target, QEvent::Type type, TPoint clientPos, const QMimeData* data,
                       Qt::DropActions allowed, Qt::KeyboardModifiers modifiers)
{
    QWidget* client = target->Window().client;
    const QPoint pos(clientPos.X, clientPos.Y);
    std::unique_ptr<QDropEvent> event;
    if (type == QEvent::DragEnter)
        event = std::make_unique<QDragEnterEvent>(pos, allowed, data, Qt::LeftButton, modifiers);
    else if (type == QEvent::DragMove)
        event = std::make_unique<QDragMoveEvent>(pos, allowed, data, Qt::LeftButton, modifiers);
    else
        event = std::make_unique<QDropEvent>(QPointF(pos), allowed, data, Qt::NoButton, modifiers);
    event->setAccepted(false);
    QApplication::sendEvent(client, event.get());
    return event->isAccepted() ? EffectOf(event->dropAction()) : DROPEFFECT_NONE;
}

Qt::DropActions ActionsOf(uint32_t effects)
{
    Qt::DropActions actions;
    if (effects & DROPEFFECT_COPY)
        actions |= Qt::CopyAction;
    if (effects & DROPEFFECT_MOVE)
        actions |= Qt::MoveAction;
    return actions;
}

// Into the target, over it, and dropped: the effect of the drop, none when the target refused it.
uint32_t PlayDrag(TWinControl* target, TPoint clientPos, const QMimeData* data, uint32_t okEffects,
                  TShiftState shift, const std::function<void(uint32_t)>& feedback)
{
    const Qt::DropActions allowed = ActionsOf(okEffects);
    const Qt::KeyboardModifiers modifiers = ModifiersOf(shift);
    SendDragEvent(target, QEvent::DragEnter, clientPos, data, allowed, modifiers);
    const uint32_t offered = SendDragEvent(target, QEvent::DragMove, clientPos, data, allowed, modifiers);
    feedback(offered);
    if (offered == DROPEFFECT_NONE) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(target->Window().client, &leave);
        return DROPEFFECT_NONE;
    }
    return SendDragEvent(target, QEvent::Drop, clientPos, data, allowed, modifiers);
}

} // namespace

TScriptedDrag::TScriptedDrag(TWinControl* target, TPoint clientPos, TShiftState shift)
{
    SetDesktopDragRunner([this, target, clientPos, shift](QMimeData& data, uint32_t okEffects,
                                                          const std::function<void(uint32_t)>& feedback) {
        ++Drags;
        Carried.clear();
        for (const QString& type : data.formats())
            Carried[type.toStdString()] = data.data(type).toStdString();
        if (!target) {
            feedback(DROPEFFECT_NONE);
            return DROPEFFECT_NONE;
        }
        return PlayDrag(target, clientPos, &data, okEffects, shift, feedback);
    });
}

TScriptedDrag::~TScriptedDrag()
{
    SetDesktopDragRunner(nullptr);
}

uint32_t DropData(TWinControl* target, TPoint clientPos, const std::map<std::string, std::string>& data,
                  TShiftState shift)
{
    QMimeData mime;
    for (const auto& [type, bytes] : data)
        mime.setData(QString::fromStdString(type), QByteArray::fromStdString(bytes));
    return PlayDrag(target, clientPos, &mime, DROPEFFECT_COPY | DROPEFFECT_MOVE, shift, [](uint32_t) {});
}
