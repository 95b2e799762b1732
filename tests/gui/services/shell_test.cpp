#include "platform/gui/services/shell.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

TEST(ShellUrl, FileNamesBecomeFileAddressesAndWebAddressesStay)
{
    const struct
    {
        std::string target, url;
    } cases[] = {
        {"/tmp/a b#1%.mkv", "file:///tmp/a%20b%231%25.mkv"},
        {"/home/u/Vidéo/", "file:///home/u/Vid%C3%A9o/"},
        {"/srv/x:y.mkv", "file:///srv/x:y.mkv"},
        {"https://example.org/ver.ini?a=1", "https://example.org/ver.ini?a=1"},
        {"mailto:someone@example.org", "mailto:someone@example.org"},
        {"clip.mkv", "file://" + QDir::currentPath().toStdString() + "/clip.mkv"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShellUrl(c.target), c.url) << c.target;
}

TEST(DroppedFiles, LocalFilesOfTheUriListWhateverTheirLength)
{
    const std::string longName = "/tmp/" + std::string(300, 'n') + ".mkv";
    const std::string uriList = "# dropped\r\n"
                                "file:///tmp/a%20b.mkv\r\n"
                                "https://example.org/c.mkv\r\n"
                                "\r\n"
                                "file:///tmp/Vid%C3%A9o%23%25.avi\n"
                                "file://" +
                                longName;
    const std::vector<std::string> expected = {"/tmp/a b.mkv", "/tmp/Vidéo#%.avi", longName};
    EXPECT_EQ(FileNamesFromUriList(uriList), expected);
    EXPECT_TRUE(FileNamesFromUriList("").empty());
}

namespace {

// The desktop's opener is replaced by a script on the search path that writes its arguments to a file.
class DesktopShellTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        record_ = dir_.filePath("opened.txt");
        const QString opener = dir_.filePath("xdg-open");
        QFile script(opener);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + record_ + "'\n").toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        savedPath_ = qgetenv("PATH");
        savedBus_ = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("PATH", dir_.path().toUtf8() + ":" + savedPath_);
    }
    void TearDown() override
    {
        qputenv("PATH", savedPath_);
        qputenv("DBUS_SESSION_BUS_ADDRESS", savedBus_);
    }

    // The addresses the opener was started with, once it has written them.
    QStringList Opened(int expected) const
    {
        QFile file(record_);
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            if (file.open(QIODevice::ReadOnly)) {
                QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
                file.close();
                if (lines.size() >= expected)
                    return lines;
            }
            QThread::msleep(20);
        }
        return {};
    }

    QTemporaryDir dir_;
    QString record_;
    QByteArray savedPath_;
    QByteArray savedBus_;
};

// A file manager on a private bus that records what it was asked to show.
class FakeFileManager : public QDBusVirtualObject
{
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.member() != "ShowItems")
            return false;
        shown = message.arguments().value(0).toStringList();
        connection.send(message.createReply());
        return true;
    }
    QStringList shown;
};

} // namespace

// One test, because the process keeps its first connection to the session bus.
TEST_F(DesktopShellTest, OpensThroughTheDesktopOpenerAndSelectsThroughTheFileManager)
{
    TDesktopShell shell;
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    ASSERT_TRUE(daemon.waitForStarted() && daemon.waitForReadyRead(10000)) << "dbus-daemon";
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());

    QDBusConnection service = QDBusConnection::connectToBus(address, "file-manager");
    FakeFileManager manager;
    ASSERT_TRUE(service.registerVirtualObject("/org/freedesktop/FileManager1", &manager));
    ASSERT_TRUE(service.registerService("org.freedesktop.FileManager1"));
    EXPECT_TRUE(shell.ShowInFolder("/tmp/a b.mkv"));
    EXPECT_EQ(manager.shown, QStringList{"file:///tmp/a%20b.mkv"});

    // Without a file manager on the bus the folder opens instead.
    service.unregisterService("org.freedesktop.FileManager1");
    EXPECT_TRUE(shell.ShowInFolder("/tmp/folder/c.mkv"));
    EXPECT_TRUE(shell.Open("/tmp/a b.mkv"));
    QStringList opened = Opened(2);
    opened.sort(); // two openers, started one after the other, may finish in either order
    EXPECT_EQ(opened, (QStringList{"file:///tmp/a%20b.mkv", "file:///tmp/folder"}));

    service.unregisterObject("/org/freedesktop/FileManager1");
    QDBusConnection::disconnectFromBus("file-manager");
    daemon.terminate();
    daemon.waitForFinished();
}
