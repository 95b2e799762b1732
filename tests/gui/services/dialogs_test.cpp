#include "modal_test_support.h"
#include "platform/gui/services/dialogs.h"
#include "platform/gui/services/message_boxes.h"
#include "scripted_file_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

TEST(FileFilter, PairsOfDescriptionAndMasks)
{
    const auto filters = ParseFileFilter("Text files (*.TXT)|*.txt|Video| *.mkv ;*.MP4;;|Dangling");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].Description, "Text files (*.TXT)");
    EXPECT_EQ(filters[0].Masks, std::vector<std::string>{"*.txt"});
    EXPECT_EQ(filters[1].Masks, (std::vector<std::string>{"*.mkv", "*.MP4"}));
    EXPECT_TRUE(ParseFileFilter("").empty());

    EXPECT_EQ(ToolkitNameFilter(filters[0]), "Text files (*.TXT) (*.[tT][xX][tT])");
    EXPECT_EQ(ToolkitNameFilter(filters[1]), "Video (*.[mM][kK][vV] *.[mM][pP]4)");
    EXPECT_EQ(ToolkitNameFilter({"All", {"*.*"}}), "All (*)");
}

TEST(FileFilter, NamesWithoutExtensionTakeTheFiltersOrTheDefault)
{
    const TFileFilter html{"HTML file (*.html)", {"*.html"}};
    const TFileFilter all{"All", {"*.*"}};
    const TFileFilter several{"Video", {"*.mkv", "*.avi"}};
    const TFileFilter pattern{"Logs", {"*.lo?"}};
    const struct
    {
        std::string name;
        const TFileFilter* filter;
        std::string defaultExt, expected;
    } cases[] = {
        {"/tmp/errors", &html, "log", "/tmp/errors.html"},
        {"/tmp/errors", &all, "log", "/tmp/errors.log"},
        {"/tmp/errors", &pattern, "log", "/tmp/errors.log"},
        {"/tmp/errors", &several, "lst", "/tmp/errors.mkv"},
        {"/tmp/errors", nullptr, "log", "/tmp/errors.log"},
        {"/tmp/errors", &html, "", "/tmp/errors"},
        {"/tmp/errors.txt", &html, "log", "/tmp/errors.txt"},
        {"/tmp/v1.2/errors", &html, "log", "/tmp/v1.2/errors.html"},
        {"/tmp/errors.", &html, "log", "/tmp/errors."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithDefaultExtension(c.name, c.filter, c.defaultExt), c.expected) << c.name;
}

TEST(FileFilter, ChosenFilesAreCheckedByTheOptions)
{
    using enum TChosenFileCheck;
    const struct
    {
        TOpenOptions options;
        bool saving, exists, folderExists;
        TChosenFileCheck check;
    } cases[] = {
        {{ofOverwritePrompt}, true, true, true, AskOverwrite},
        {{}, true, true, true, Accept},
        {{ofOverwritePrompt}, true, false, true, Accept},
        {{ofOverwritePrompt}, true, false, false, FolderMissing},
        {{ofOverwritePrompt, ofCreatePrompt}, true, false, true, AskCreate},
        {{ofOverwritePrompt}, false, true, true, Accept},
        {{ofFileMustExist}, false, false, true, FileMissing},
        {{ofFileMustExist}, false, false, false, FolderMissing},
        {{ofPathMustExist}, false, false, true, Accept},
        {{}, false, false, false, Accept},
        {{ofCreatePrompt}, false, false, true, AskCreate},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckChosenFile(c.options, c.saving, c.exists, c.folderExists), c.check)
            << c.options.Bits() << c.saving << c.exists << c.folderExists;
}

namespace {

// Types a name into the file dialog and confirms it; a box that has to come up is answered with the button.
void TypeAndAccept(QWidget& window, const QString& name,
                   QMessageBox::StandardButton answer = QMessageBox::NoButton)
{
    auto& dialog = dynamic_cast<QFileDialog&>(window);
    dialog.findChild<QLineEdit*>("fileNameEdit")->setText(name);
    auto accept = [&dialog] { return QMetaObject::invokeMethod(&dialog, "accept"); };
    if (answer == QMessageBox::NoButton)
        accept();
    else
        RunModal(accept, [answer](QWidget& box) { dynamic_cast<QMessageBox&>(box).button(answer)->click(); });
}

class DialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        InstallDesktopWindowServices();
        QFile existing(dir.filePath("exists.txt"));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    }
    void TearDown() override { SetWindowServices(nullptr); }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(DialogTest, SaveDialogAsksBeforeReplacingAndAddsTheExtension)
{
    TSaveDialog dialog(nullptr);
    dialog.SetFilter("Text|*.txt|All|*");
    dialog.SetDefaultExt("txt");
    dialog.SetInitialDir(dir.path().toStdString());
    dialog.SetOptions({ofOverwritePrompt});
    dialog.SetTitle("Save the list");
    auto execute = [&] { return dialog.Execute(); };

    ASSERT_TRUE(RunModal(execute, [](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), "Save the list");
        TypeAndAccept(window, "exists", QMessageBox::No);
        EXPECT_TRUE(window.isVisible()) << "refusing to replace keeps the dialog open";
        TypeAndAccept(window, "new");
    }));
    EXPECT_EQ(dialog.FileName(), Path("new.txt"));
    EXPECT_EQ(dialog.FilterIndex(), 1);

    dialog.SetFilterIndex(2);
    ASSERT_TRUE(
        RunModal(execute, [](QWidget& window) { TypeAndAccept(window, "exists", QMessageBox::Yes); }));
    EXPECT_EQ(dialog.FileName(), Path("exists.txt"));
    EXPECT_EQ(dialog.FilterIndex(), 2);
    EXPECT_EQ(dialog.Files()->Text(), Path("exists.txt") + "\r\n");

    EXPECT_FALSE(RunModal(execute, [](QWidget& window) { dynamic_cast<QDialog&>(window).reject(); }));
    EXPECT_EQ(dialog.FileName(), Path("exists.txt")) << "a cancelled dialog changes nothing";
}

TEST_F(DialogTest, OpenDialogWantsAnExistingFileWhenAskedTo)
{
    TOpenDialog dialog(nullptr);
    dialog.SetFilter("Text|*.txt");
    dialog.SetInitialDir(dir.path().toStdString());
    dialog.SetOptions({ofFileMustExist});
    ASSERT_TRUE(RunModal([&] { return dialog.Execute(); },
                         [](QWidget& window) {
                             TypeAndAccept(window, "missing.txt", QMessageBox::Ok);
                             EXPECT_TRUE(window.isVisible());
                             TypeAndAccept(window, "exists.txt");
                         }));
    EXPECT_EQ(dialog.FileName(), Path("exists.txt"));
}

TEST_F(DialogTest, FolderChooserReturnsTheChosenFolder)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    std::string folder = dir.path().toStdString();
    EXPECT_TRUE(RunModal([&] { return SelectDirectory("Output directory:", folder); },
                         [](QWidget& window) { TypeAndAccept(window, "sub"); }));
    EXPECT_EQ(folder, Path("sub"));
}

TEST(ScriptedDialogs, TheComponentsTakeTheAnswerWithoutAWindow)
{
    TScriptedFileDialogs script;
    script.fileAnswers = {TFileDialogAnswer{{"/data/a.mkv", "/data/b.avi"}, 2}, std::nullopt};
    script.folderAnswers = {"/data/out", std::nullopt};

    TOpenDialog open(nullptr);
    open.SetTitle("Add files");
    open.SetFilter("Video|*.mkv|All|*");
    open.SetInitialDir("/data");
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), "/data/a.mkv");
    EXPECT_EQ(open.Files()->Count(), 2);
    EXPECT_EQ(open.FilterIndex(), 2);
    ASSERT_EQ(script.fileRequests.size(), 1u);
    EXPECT_EQ(script.fileRequests[0].Title, "Add files");
    EXPECT_EQ(script.fileRequests[0].InitialDir, "/data");
    EXPECT_FALSE(script.fileRequests[0].Saving);

    TSaveDialog save(nullptr);
    save.SetFileName("/data/keep.bat");
    EXPECT_FALSE(save.Execute());
    EXPECT_TRUE(script.fileRequests[1].Saving);
    EXPECT_EQ(save.FileName(), "/data/keep.bat") << "a cancelled dialog changes nothing";
    EXPECT_EQ(save.Files()->Count(), 0);

    std::string folder = "/data";
    EXPECT_TRUE(SelectDirectory("Output directory:", folder));
    EXPECT_EQ(folder, "/data/out");
    EXPECT_FALSE(SelectDirectory("Output directory:", folder));
    EXPECT_EQ(folder, "/data/out");
    ASSERT_EQ(script.folderRequests.size(), 2u);
    EXPECT_EQ(script.folderRequests[1].Caption, "Output directory:");
    EXPECT_EQ(script.folderRequests[1].Directory, "/data/out");
}

namespace {

// A folder browser's owner that writes down what it hears and answers as told.
class TBrowseLog : public IFolderBrowseEvents
{
public:
    void Initialised() override { log.push_back("initialised"); }
    void SelectionChanged(const std::string& folder, std::string& statusText, bool& okEnabled) override
    {
        log.push_back("select " + QFileInfo(QString::fromStdString(folder)).fileName().toStdString());
        statusText = "Free: " + QFileInfo(QString::fromStdString(folder)).fileName().toStdString();
        okEnabled = folder.find("locked") == std::string::npos;
    }
    bool ValidationFailed(const std::string& typedName) override
    {
        log.push_back("invalid " + QFileInfo(QString::fromStdString(typedName)).fileName().toStdString());
        return mayClose;
    }
    void HelpRequested() override { log.push_back("help"); }
    void Closing() override { log.push_back("closing"); }

    std::vector<std::string> log;
    bool mayClose = false;
};

QPushButton* AcceptButton(QWidget& window)
{
    return window.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Open);
}

} // namespace

TEST_F(DialogTest, TheFolderBrowserFollowsItsSession)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("videos/locked"));
    TFolderBrowseRequest request;
    request.Title = "Choose";
    request.Headline = "Output directory:";
    request.Root = dir.path().toStdString();
    request.Selected = Path("videos");
    request.EditBox = true;
    request.StatusText = true;
    request.HelpButton = true;
    request.HelpEnabled = true;
    request.HelpKey = true;
    TBrowseLog events;
    const std::optional<std::string> chosen =
        RunModal([&] { return FileDialogs().BrowseForFolder(request, events); },
                 [&](QWidget& window) {
                     auto& dialog = dynamic_cast<QFileDialog&>(window);
                     EXPECT_EQ(dialog.windowTitle(), "Choose");
                     EXPECT_EQ(dialog.findChild<QLabel*>("lookInLabel")->text(), "Output directory:");
                     EXPECT_TRUE(dialog.findChildren<QLabel*>().last()->text() == "Free: videos");
                     auto* up = dialog.findChild<QAbstractButton*>("toParentButton");
                     up->click();
                     EXPECT_EQ(dialog.directory().absolutePath(), dir.path());
                     up->click();
                     EXPECT_EQ(dialog.directory().absolutePath(), dir.path()) << "never above the root";

                     // The user clicks folders in the list.
                     emit dialog.currentChanged(QString::fromStdString(Path("videos/locked")));
                     QApplication::processEvents();
                     EXPECT_FALSE(AcceptButton(dialog)->isEnabled()) << "the owner disabled OK";
                     QMetaObject::invokeMethod(&dialog, "accept");
                     EXPECT_TRUE(dialog.isVisible()) << "OK does nothing while disabled";
                     emit dialog.currentChanged(QString::fromStdString(Path("videos")));
                     QApplication::processEvents();
                     EXPECT_TRUE(AcceptButton(dialog)->isEnabled());

                     for (QPushButton* button :
                          dialog.findChild<QDialogButtonBox*>("buttonBox")->findChildren<QPushButton*>())
                         if (button->text() == "&Help")
                             button->click();
                     QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
                     QApplication::sendEvent(&dialog, &f1);

                     dialog.findChild<QLineEdit*>("fileNameEdit")->setText("missing");
                     QMetaObject::invokeMethod(&dialog, "accept");
                     EXPECT_TRUE(dialog.isVisible()) << "the owner kept it open";
                     dialog.setDirectory(QString::fromStdString(Path("videos")));
                     dialog.findChild<QLineEdit*>("fileNameEdit")->setText("locked");
                     QMetaObject::invokeMethod(&dialog, "accept");
                 });
    EXPECT_EQ(chosen, Path("videos/locked"));
    EXPECT_EQ(events.log.front(), "initialised");
    EXPECT_EQ(std::count(events.log.begin(), events.log.end(), "help"), 2);
    EXPECT_EQ(std::count(events.log.begin(), events.log.end(), "invalid missing"), 1);
    EXPECT_EQ(events.log.back(), "closing");
    EXPECT_EQ(std::count(events.log.begin(), events.log.end(), "closing"), 1);

    events.mayClose = true;
    const std::optional<std::string> none =
        RunModal([&] { return FileDialogs().BrowseForFolder(request, events); },
                 [](QWidget& window) {
                     window.findChild<QLineEdit*>("fileNameEdit")->setText("missing");
                     QMetaObject::invokeMethod(&window, "accept");
                 });
    EXPECT_FALSE(none) << "a typed name that is no folder closes without a choice";
}
