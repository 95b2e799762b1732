#include "text_input_support.h"

#include "window_test_support.h"

#include <QInputMethodEvent>

#include <map>
#include <stdexcept>

namespace {

struct NamedKey
{
    int qt;
    QString text;
};

const std::map<std::string, NamedKey>& KeyNames()
{
    static const std::map<std::string, NamedKey> names = {
        {"Left", {Qt::Key_Left, {}}},    {"Right", {Qt::Key_Right, {}}},    {"Up", {Qt::Key_Up, {}}},
        {"Down", {Qt::Key_Down, {}}},    {"Home", {Qt::Key_Home, {}}},      {"End", {Qt::Key_End, {}}},
        {"PgUp", {Qt::Key_PageUp, {}}},  {"PgDn", {Qt::Key_PageDown, {}}},  {"Del", {Qt::Key_Delete, {}}},
        {"Ins", {Qt::Key_Insert, {}}},   {"BS", {Qt::Key_Backspace, "\b"}}, {"Enter", {Qt::Key_Return, "\r"}},
        {"Tab", {Qt::Key_Tab, "\t"}},    {"Esc", {Qt::Key_Escape, "\x1b"}}, {"F4", {Qt::Key_F4, {}}},
        {"Space", {Qt::Key_Space, " "}},
    };
    return names;
}

} // namespace

void Press(TWinControl* control, const std::string& key)
{
    if (key.starts_with("=")) {
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromStdString(key.substr(1)));
        QApplication::sendEvent(control->Window().widget, &commit);
        return;
    }
    Qt::KeyboardModifiers modifiers;
    std::string name = key;
    if (const size_t dash = key.find('-'); dash != std::string::npos && dash > 0 && dash + 1 < key.size()) {
        for (char m : key.substr(0, dash))
            modifiers |= m == 'C' ? Qt::ControlModifier : m == 'S' ? Qt::ShiftModifier : Qt::AltModifier;
        name = key.substr(dash + 1);
    }
    if (const auto it = KeyNames().find(name); it != KeyNames().end()) {
        SendKey(control, it->second.qt, modifiers, it->second.text);
        return;
    }
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') {
        SendKey(control, Qt::Key_A + (name[0] - 'a'), modifiers, QString(QChar(name[0])));
        return;
    }
    throw std::invalid_argument("unknown key " + key);
}

void PressAll(TWinControl* control, const std::vector<std::string>& keys)
{
    for (const std::string& key : keys)
        Press(control, key);
}
