#include "platform/gui/services/shell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

IShell* installedShell = nullptr;

constexpr int FileManagerTimeoutMs = 5000;

// "https:", "mailto:"... A single letter before the colon is not taken for a scheme.
bool StartsWithScheme(const std::string& target)
{
    const size_t colon = target.find(':');
    if (colon == std::string::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(target[0])))
        return false;
    for (size_t i = 1; i < colon; ++i) {
        const char c = target[i];
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

QUrl ToQUrl(const std::string& target)
{
    if (StartsWithScheme(target))
        return QUrl(QString::fromStdString(target));
    return QUrl::fromLocalFile(QFileInfo(QString::fromStdString(target)).absoluteFilePath());
}

// Asks the file manager over the session bus to show the item selected.
bool ShowItemOnBus(const QUrl& item)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                                       "org.freedesktop.FileManager1", "ShowItems");
    call << QStringList{item.toString(QUrl::FullyEncoded)} << QString();
    return bus.call(call, QDBus::BlockWithGui, FileManagerTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

// The platform plug-in's opener, else the desktop's command-line opener (platforms without desktop
// services, such as the off-screen one, have no opener of their own).
bool OpenUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url) ||
           QProcess::startDetached("xdg-open", {url.toString(QUrl::FullyEncoded)});
}

} // namespace

bool TDesktopShell::Open(const std::string& target)
{
    return OpenUrl(ToQUrl(target));
}

bool TDesktopShell::ShowInFolder(const std::string& fileName)
{
    const QUrl item = ToQUrl(fileName);
    if (ShowItemOnBus(item))
        return true;
    return OpenUrl(item.adjusted(QUrl::RemoveFilename | QUrl::StripTrailingSlash));
}

void SetShell(IShell* shell)
{
    installedShell = shell;
}

IShell& Shell()
{
    static TDesktopShell desktop;
    return installedShell ? *installedShell : desktop;
}

std::string ShellUrl(const std::string& target)
{
    return ToQUrl(target).toString(QUrl::FullyEncoded).toStdString();
}

std::vector<std::string> FileNamesFromUriList(const std::string& uriList)
{
    std::vector<std::string> names;
    for (const QString& line : QString::fromStdString(uriList).split('\n')) {
        const QString address = line.trimmed();
        if (address.isEmpty() || address.startsWith('#'))
            continue;
        const QUrl url(address);
        if (url.isLocalFile())
            names.push_back(url.toLocalFile().toStdString());
    }
    return names;
}
