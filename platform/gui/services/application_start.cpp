// The start of the toolkit for the program: the application object's Initialize, kept beside the desktop
// services it installs.

#include "platform/gui/forms/application.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/qt/bitmap_impl.h"
#include "platform/gui/services/message_boxes.h"
#include "platform/system/user_locale.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <clocale>

namespace {

// The toolkit's application when Initialize made it: it lives as long as the program, as the application
// object does.
QApplication* startedToolkitApplication = nullptr;

} // namespace

void TApplication::Initialize(int& argc, char** argv, const TApplicationIdentity& identity)
{
    if (!QCoreApplication::instance())
        startedToolkitApplication = new QApplication(argc, argv);
    // The toolkit sets the whole process locale from the environment; the standard library's reading and
    // writing of numbers (the encoder's reports, settings files) must keep the C locale's ".".
    std::setlocale(LC_NUMERIC, "C");
    // The program's name, not the toolkit's display name: a display name is appended to every window title,
    // and a window shows the caption the program gave it.
    QCoreApplication::setApplicationName(QString::fromStdString(identity.DisplayName));
    QGuiApplication::setDesktopFileName(QString::fromStdString(identity.DesktopFileName));
    if (!identity.IconResource.empty()) {
        TBitmap icon;
        icon.LoadFromResourceName(identity.IconResource);
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.Internal().image)));
    }
    InstallDesktopWindowServices();
    ReadLocaleNumberFormats(GlobalFormatSettings());
}
