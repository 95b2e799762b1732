#include "platform/gui/services/link_opener.h"
#include "recording_shell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class LinkOpener : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    std::string File(const QString& name, const QByteArray& bytes, bool executable = false)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFile::ExeOwner);
        return file.fileName().toStdString();
    }

    QTemporaryDir dir;
    TRecordingShell shell;
};

TEST_F(LinkOpener, OnlyWebAndMailAddressesOpenFromShownText)
{
    const std::string document = File("notes.txt", "text");
    const struct
    {
        std::string target;
        TLinkAction action;
    } cases[] = {
        {"http://example.org/a?b=1", TLinkAction::Opened},
        {"HTTPS://example.org", TLinkAction::Opened},
        {"mailto:someone@example.org", TLinkAction::Opened},
        {document, TLinkAction::None},
        {"file://" + document, TLinkAction::None},
        {"javascript:alert(1)", TLinkAction::None},
        {"ftp://example.org", TLinkAction::None},
        {"", TLinkAction::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenLink(c.target, TLinkSource::ShownText), c.action) << c.target;
    const std::vector<std::string> expected = {"open http://example.org/a?b=1", "open HTTPS://example.org",
                                               "open mailto:someone@example.org"};
    EXPECT_EQ(shell.Calls, expected);
}

TEST_F(LinkOpener, AWindowsLinkOpensFilesAndFoldersButShowsProgramsInTheirFolder)
{
    const std::string document = File("notes.txt", "text");
    const std::string folder = dir.path().toStdString();
    const std::string script = File("tool.txt", "#!/bin/sh\necho hi\n");
    const std::string elf = File("program", QByteArray("\x7f"
                                                       "ELF\x02\x01\x01",
                                                       7));
    const std::string executable = File("plain", "data", true);
    const std::string launcher = File("start.desktop", "[Desktop Entry]\n");
    const std::string batch = File("run.SH", "echo\n");
    const struct
    {
        std::string target;
        TLinkAction action;
        std::string call;
    } cases[] = {
        {"https://example.org", TLinkAction::Opened, "open https://example.org"},
        {document, TLinkAction::Opened, "open " + document},
        {folder, TLinkAction::Opened, "open " + folder},
        {script, TLinkAction::ShownInFolder, "show " + script},
        {elf, TLinkAction::ShownInFolder, "show " + elf},
        {executable, TLinkAction::ShownInFolder, "show " + executable},
        {launcher, TLinkAction::ShownInFolder, "show " + launcher},
        {batch, TLinkAction::ShownInFolder, "show " + batch},
        {"/dev/null", TLinkAction::None, ""},
        {folder + "/missing.txt", TLinkAction::None, ""},
        {"file://" + document, TLinkAction::None, ""},
        {"javascript:alert(1)", TLinkAction::None, ""},
        {"", TLinkAction::None, ""},
    };
    for (const auto& c : cases) {
        shell.Calls.clear();
        EXPECT_EQ(OpenLink(c.target, TLinkSource::Window), c.action) << c.target;
        EXPECT_EQ(shell.Calls, c.call.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.call})
            << c.target;
    }
}

} // namespace
