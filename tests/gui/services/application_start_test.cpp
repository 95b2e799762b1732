#include "modal_test_support.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/core/resources.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/services/message_boxes.h"
#include "platform/system/user_locale.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <clocale>

namespace {

// Puts back what Initialize changes for the whole program, for the tests that follow.
class ApplicationStart : public testing::Test
{
protected:
    void TearDown() override
    {
        QCoreApplication::setApplicationName(applicationName_);
        QGuiApplication::setDesktopFileName({});
        QApplication::setWindowIcon({});
        SetWindowServices(nullptr);
    }

    const QString applicationName_ = QCoreApplication::applicationName();
    int argc_ = 1;
    char name_[10] = "quillmark";
    char* argv_[2] = {name_, nullptr};
    const TFormatSettingsGuard formats_{TFormatSettings{}};
};

} // namespace

TEST_F(ApplicationStart, TheRunningToolkitTakesTheProgramsIdentity)
{
    QCoreApplication* const running = QCoreApplication::instance();
    GlobalFormatSettings().DecimalSeparator = "#";
    std::setlocale(LC_NUMERIC, "C.UTF-8");
    Application->Initialize(argc_, argv_, {"Quillmark", "quillmark", "PROBE"});

    EXPECT_EQ(QCoreApplication::instance(), running);
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Quillmark");
    EXPECT_EQ(QCoreApplication::applicationName(), "Quillmark")
        << "a display name would follow every caption";
    EXPECT_EQ(QGuiApplication::desktopFileName(), "quillmark");
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_NE(dynamic_cast<TDesktopWindowServices*>(GetWindowServices()), nullptr);
    TFormatSettings users;
    ReadLocaleNumberFormats(users);
    EXPECT_EQ(GlobalFormatSettings().DecimalSeparator, users.DecimalSeparator);
    // The program's own number texts keep "." whatever the user's locale.
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");

    Application->Initialize(argc_, argv_, {"Quillmark 2", "quillmark", ""});
    EXPECT_EQ(QCoreApplication::instance(), running);
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Quillmark 2");
}

TEST_F(ApplicationStart, AMissingIconIsAnError)
{
    EXPECT_THROW(Application->Initialize(argc_, argv_, {"Quillmark", "quillmark", "NO_SUCH_ICON"}),
                 EResNotFound);
}

TEST_F(ApplicationStart, MessageBoxesAndTheTopMostSwitchTakeAForm)
{
    Application->Initialize(argc_, argv_, {"Quillmark", "quillmark", ""});
    auto* form = new TForm(Application);
    const TWindowHandle handle = WindowHandleOf(*form);
    ASSERT_TRUE(form->HandleAllocated());
    EXPECT_EQ(handle, form->Window().widget.data());
    form->Show();

    EXPECT_TRUE(SetWindowTopmost(handle, true));
    EXPECT_TRUE(form->Window().widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form->Visible());

    QWidget* boxOwner = nullptr;
    const int answer = RunModal([&] { return ShowMsgBox("Text", "Caption", handle, MB_OKCANCEL); },
                                [&](QWidget& box) {
                                    boxOwner = box.parentWidget();
                                    dynamic_cast<QMessageBox&>(box).button(QMessageBox::Cancel)->click();
                                });
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_EQ(boxOwner, form->Window().widget.data());
    form->Free();
}
