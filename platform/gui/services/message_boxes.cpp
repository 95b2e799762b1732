#include "platform/gui/services/message_boxes.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <map>

namespace {

// A box that, without an escape answer, cannot be closed but by one of its buttons.
class MessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;
    bool closable = true;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!closable && event->key() == Qt::Key_Escape)
            return event->ignore();
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (!closable)
            return event->ignore();
        QMessageBox::closeEvent(event);
    }
};

QAbstractButton* AddButton(QMessageBox& box, int answer)
{
    switch (answer) {
    case IDOK:
        return box.addButton(QMessageBox::Ok);
    case IDCANCEL:
        return box.addButton(QMessageBox::Cancel);
    case IDABORT:
        return box.addButton(QMessageBox::Abort);
    case IDRETRY:
        return box.addButton(QMessageBox::Retry);
    case IDIGNORE:
        return box.addButton(QMessageBox::Ignore);
    case IDYES:
        return box.addButton(QMessageBox::Yes);
    case IDNO:
        return box.addButton(QMessageBox::No);
    case IDTRYAGAIN:
        return box.addButton(QObject::tr("&Try Again"), QMessageBox::AcceptRole);
    default:
        return box.addButton(QObject::tr("&Continue"), QMessageBox::AcceptRole);
    }
}

QMessageBox::Icon IconOf(unsigned flags)
{
    switch (flags & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int EscapeAnswer(const std::vector<int>& answers)
{
    if (std::find(answers.begin(), answers.end(), IDCANCEL) != answers.end())
        return IDCANCEL;
    return answers == std::vector<int>{IDOK} ? IDOK : 0;
}

} // namespace

int TDesktopWindowServices::ShowMsgBox(const std::string& text, const std::string& caption,
                                       TWindowHandle owner, unsigned flags)
{
    MessageBox box(static_cast<QWidget*>(owner));
    box.setWindowTitle(QString::fromStdString(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.setIcon(IconOf(flags));
    if (flags & (MB_TOPMOST | MB_SYSTEMMODAL))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);

    const std::vector<int> answers = MsgBoxButtons(flags);
    std::map<QAbstractButton*, int> answerOf;
    for (int answer : answers) {
        QAbstractButton* button = AddButton(box, answer);
        answerOf[button] = answer;
        if (answer == DefaultMsgBoxAnswer(flags))
            box.setDefaultButton(static_cast<QPushButton*>(button));
        if (answer == EscapeAnswer(answers))
            box.setEscapeButton(button);
    }
    box.closable = EscapeAnswer(answers) != 0;
    box.exec();
    const auto clicked = answerOf.find(box.clickedButton());
    return clicked != answerOf.end() ? clicked->second : DefaultMsgBoxAnswer(flags);
}

bool TDesktopWindowServices::SetWindowTopmost(TWindowHandle window, bool topmost)
{
    auto* widget = static_cast<QWidget*>(window);
    if (!widget)
        return false;
    const bool visible = widget->isVisible();
    widget->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (visible)
        widget->show(); // changing the window's flags hides it
    return true;
}

void InstallDesktopWindowServices()
{
    static TDesktopWindowServices services;
    SetWindowServices(&services);
}
