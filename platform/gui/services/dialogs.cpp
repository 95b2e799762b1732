#include "platform/gui/services/dialogs.h"

#include "support/split_to_list.h"
#include "support/text_routines.h"
#include "support/window_services.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace {

std::string CaseFreeMask(const std::string& mask)
{
    if (mask == "*.*")
        return "*";
    std::string result;
    for (char c : mask) {
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (lower != upper)
            result += std::string("[") + lower + upper + "]";
        else
            result += c;
    }
    return result;
}

// "txt" for "*.txt"; empty for masks that do not name one extension ("*", "*.*", "*.t?t", "a*").
std::string ExtensionOfMask(const std::string& mask)
{
    if (!mask.starts_with("*.") || mask.size() == 2)
        return {};
    const std::string ext = mask.substr(2);
    return ext.find_first_of("*?[.") == std::string::npos ? ext : std::string();
}

// Asks about a chosen file as the check requires; true when the dialog may close with it.
bool ConfirmChosenFile(TChosenFileCheck check, const std::string& name, QWidget* dialog)
{
    const std::string caption = dialog->windowTitle().toStdString();
    switch (check) {
    case TChosenFileCheck::Accept:
        return true;
    case TChosenFileCheck::AskOverwrite:
        return ShowMsgBox(name + " already exists.\nDo you want to replace it?", caption, dialog,
                          MB_YESNO | MB_ICONWARNING) == IDYES;
    case TChosenFileCheck::AskCreate:
        return ShowMsgBox(name + "\nThis file does not exist.\nDo you want to create it?", caption, dialog,
                          MB_YESNO | MB_ICONQUESTION) == IDYES;
    case TChosenFileCheck::FileMissing:
        ShowMsgBox(name + "\nFile not found.\nCheck the file name and try again.", caption, dialog,
                   MB_OK | MB_ICONWARNING);
        return false;
    case TChosenFileCheck::FolderMissing:
        ShowMsgBox(name + "\nPath does not exist.\nCheck the path and try again.", caption, dialog,
                   MB_OK | MB_ICONWARNING);
        return false;
    }
    return false;
}

// The toolkit's dialog with our rules for the chosen names, checked before it closes.
class FileDialog : public QFileDialog
{
public:
    FileDialog(QWidget* parent, const TOpenDialog& component, bool saving)
        : QFileDialog(parent), component_(component), saving_(saving),
          filters_(ParseFileFilter(component.Filter()))
    {
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite);
        setOption(QFileDialog::HideNameFilterDetails);
        setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        setFileMode(!saving && component.Options().Contains(ofAllowMultiSelect) ? QFileDialog::ExistingFiles
                                                                                : QFileDialog::AnyFile);
        const std::string title = component.Title();
        setWindowTitle(QString::fromStdString(!title.empty() ? title : saving ? "Save As" : "Open"));
        QStringList toolkitFilters;
        for (const TFileFilter& filter : filters_)
            toolkitFilters << QString::fromStdString(ToolkitNameFilter(filter));
        setNameFilters(toolkitFilters);
        if (!toolkitFilters.isEmpty()) {
            filterIndex_ = component.FilterIndex() >= 1 && component.FilterIndex() <= toolkitFilters.size()
                               ? component.FilterIndex() - 1
                               : 0;
            selectNameFilter(toolkitFilters[filterIndex_]);
        }
        // The full filter, as given, whatever the list shows of it.
        connect(this, &QFileDialog::filterSelected, this, [this](const QString& filter) {
            filterIndex_ = std::max<int>(this->nameFilters().indexOf(filter), 0);
        });
        if (!component.InitialDir().empty())
            setDirectory(QString::fromStdString(component.InitialDir()));
        if (!component.FileName().empty())
            selectFile(QString::fromStdString(component.FileName()));
    }

    // 1-based, as the component counts.
    int ChosenFilterIndex() const { return filterIndex_ + 1; }
    const std::vector<std::string>& Chosen() const { return chosen_; }

    void accept() override
    {
        const QStringList selected = selectedFiles();
        if (selected.size() == 1 && QFileInfo(selected.front()).isDir())
            return QFileDialog::accept(); // into the folder
        const TFileFilter* filter = filters_.empty() ? nullptr : &filters_[filterIndex_];
        std::vector<std::string> names;
        for (const QString& file : selected) {
            const std::string name =
                WithDefaultExtension(file.toStdString(), filter, component_.DefaultExt());
            const QFileInfo info(QString::fromStdString(name));
            const TChosenFileCheck check =
                CheckChosenFile(component_.Options(), saving_, info.exists(), info.absoluteDir().exists());
            if (!ConfirmChosenFile(check, name, this))
                return;
            names.push_back(name);
        }
        if (names.empty())
            return;
        chosen_ = names;
        QDialog::accept();
    }

private:
    const TOpenDialog& component_;
    const bool saving_;
    const std::vector<TFileFilter> filters_;
    std::vector<std::string> chosen_;
    int filterIndex_ = 0; // of filters_
};

// The toolkit's folder dialog following a folder browser's session: the headline beside the folders' path,
// a status line and a usage hint under them, OK as the session allows, the typed name checked on OK, a Help
// button and F1, and the tree kept inside the root.
class FolderBrowser : public QFileDialog
{
public:
    FolderBrowser(QWidget* parent, TFolderBrowseSession& session) : QFileDialog(parent), session_(session)
    {
        const TFolderBrowseRequest& request = session.Request();
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::ShowDirsOnly);
        setFileMode(QFileDialog::Directory);
        setWindowTitle(QString::fromStdString(request.Title.empty() ? "Browse for Folder" : request.Title));
        if (!request.Headline.empty())
            setLabelText(QFileDialog::LookIn, QString::fromStdString(request.Headline));
        for (const char* name : {"fileTypeCombo", "fileTypeLabel"})
            Hide(name);
        if (!request.EditBox)
            for (const char* name : {"fileNameEdit", "fileNameLabel"})
                Hide(name);
        if (!request.MakeFolderButton)
            Hide("newFolderButton");
        AddLines(request);
        AddHelp(request);
        connect(this, &QFileDialog::currentChanged, this, [this](const QString& path) {
            if (QFileInfo(path).isDir())
                Selected(path);
        });
        connect(this, &QFileDialog::directoryEntered, this, [this](const QString& folder) {
            const std::string inside = session_.InsideRoot(folder.toStdString());
            if (inside != folder.toStdString())
                setDirectory(QString::fromStdString(inside)); // never above the root
            else
                Selected(folder);
        });
        connect(this, &QDialog::finished, this, [this] { session_.Close(); });
        setDirectory(QString::fromStdString(session.Start()));
        ShowSessionState();
    }

    const std::optional<std::string>& Chosen() const { return chosen_; }

    void accept() override
    {
        const auto* edit = findChild<QLineEdit*>("fileNameEdit");
        const QString typed = edit && edit->isVisible() ? edit->text() : QString();
        const std::string typedName =
            typed.isEmpty() ? std::string() : QDir(directory()).absoluteFilePath(typed).toStdString();
        const TFolderBrowseSession::TConfirmation confirmation = session_.Confirm(typedName);
        if (confirmation.Outcome == TFolderBrowseSession::StayOpen)
            return;
        if (confirmation.Outcome == TFolderBrowseSession::Chosen)
            chosen_ = confirmation.Folder;
        QDialog::done(chosen_ ? QDialog::Accepted : QDialog::Rejected);
    }

private:
    void Hide(const char* name)
    {
        if (auto* widget = findChild<QWidget*>(name))
            widget->hide();
    }

    void AddLines(const TFolderBrowseRequest& request)
    {
        auto* grid = qobject_cast<QGridLayout*>(layout());
        if (!grid)
            return;
        if (request.StatusText) {
            status_ = new QLabel(this);
            grid->addWidget(status_, grid->rowCount(), 0, 1, -1);
        }
        if (request.UsageHint)
            grid->addWidget(new QLabel("Select a folder, then choose it.", this), grid->rowCount(), 0, 1, -1);
    }

    void AddHelp(const TFolderBrowseRequest& request)
    {
        if (request.HelpButton)
            if (auto* buttons = findChild<QDialogButtonBox*>("buttonBox")) {
                QPushButton* help = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
                help->setEnabled(request.HelpEnabled);
                connect(help, &QPushButton::clicked, this, [this] { session_.Help(false); });
            }
        if (request.HelpKey) {
            auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
            connect(f1, &QShortcut::activated, this, [this] { session_.Help(true); });
        }
    }

    void Selected(const QString& folder)
    {
        session_.Select(folder.toStdString());
        ShowSessionState();
    }

    // The dialog updates its own OK button on every selection: the session's say comes after.
    void ShowSessionState()
    {
        if (status_)
            status_->setText(QString::fromStdString(session_.StatusText()));
        QTimer::singleShot(0, this, [this] {
            if (auto* buttons = findChild<QDialogButtonBox*>("buttonBox"))
                if (QPushButton* ok = buttons->button(QDialogButtonBox::Open))
                    ok->setEnabled(session_.OkEnabled());
        });
    }

    TFolderBrowseSession& session_;
    QLabel* status_ = nullptr;
    std::optional<std::string> chosen_;
};

// The toolkit's dialogs, modal over the active window.
class ToolkitFileDialogs : public IFileDialogs
{
public:
    std::optional<TFileDialogAnswer> ChooseFiles(const TOpenDialog& component, bool saving) override
    {
        FileDialog dialog(QApplication::activeWindow(), component, saving);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return TFileDialogAnswer{dialog.Chosen(), dialog.ChosenFilterIndex()};
    }

    std::optional<std::string> ChooseFolder(const std::string& caption, const std::string& directory) override
    {
        QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(caption),
                           QString::fromStdString(directory));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().front().toStdString();
    }

    std::optional<std::string> BrowseForFolder(const TFolderBrowseRequest& request,
                                               IFolderBrowseEvents& events) override
    {
        TFolderBrowseSession session(request, events);
        FolderBrowser dialog(QApplication::activeWindow(), session);
        dialog.exec();
        session.Close();
        return dialog.Chosen();
    }
};

IFileDialogs* installedDialogs = nullptr;

} // namespace

void SetFileDialogs(IFileDialogs* dialogs)
{
    installedDialogs = dialogs;
}

IFileDialogs& FileDialogs()
{
    static ToolkitFileDialogs toolkit;
    return installedDialogs ? *installedDialogs : toolkit;
}

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner), files_(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

bool TOpenDialog::Execute()
{
    files_->Clear();
    const std::optional<TFileDialogAnswer> answer = FileDialogs().ChooseFiles(*this, Saving());
    if (!answer || answer->Files.empty())
        return false;
    files_->AddStrings(answer->Files);
    fileName_ = answer->Files.front();
    filterIndex_ = answer->FilterIndex;
    return true;
}

bool SelectDirectory(const std::string& caption, std::string& directory)
{
    const std::optional<std::string> chosen = FileDialogs().ChooseFolder(caption, directory);
    if (!chosen)
        return false;
    directory = *chosen;
    return true;
}

std::vector<TFileFilter> ParseFileFilter(const std::string& filter)
{
    std::vector<TFileFilter> filters;
    if (filter.empty())
        return filters;
    std::vector<std::string> parts;
    SplitToList(filter, &parts, "|");
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        TFileFilter entry{parts[i], {}};
        SplitToList(parts[i + 1], &entry.Masks, ";");
        std::erase(entry.Masks, "");
        filters.push_back(entry);
    }
    return filters;
}

std::string ToolkitNameFilter(const TFileFilter& filter)
{
    std::string masks;
    for (const std::string& mask : filter.Masks)
        masks += (masks.empty() ? "" : " ") + CaseFreeMask(mask);
    return filter.Description + " (" + (masks.empty() ? "*" : masks) + ")";
}

std::string WithDefaultExtension(const std::string& fileName, const TFileFilter* chosenFilter,
                                 const std::string& defaultExt)
{
    if (defaultExt.empty() || fileName.empty() || fileName.ends_with('/') ||
        !GetFileExtension(fileName, false).empty())
        return fileName;
    const std::string filterExt =
        chosenFilter && !chosenFilter->Masks.empty() ? ExtensionOfMask(chosenFilter->Masks.front()) : "";
    return fileName + "." + (filterExt.empty() ? defaultExt : filterExt);
}

TChosenFileCheck CheckChosenFile(TOpenOptions options, bool saving, bool fileExists, bool folderExists)
{
    if (!folderExists && (saving || options.Contains(ofPathMustExist) || options.Contains(ofFileMustExist)))
        return TChosenFileCheck::FolderMissing;
    if (fileExists)
        return saving && options.Contains(ofOverwritePrompt) ? TChosenFileCheck::AskOverwrite
                                                             : TChosenFileCheck::Accept;
    if (!saving && options.Contains(ofFileMustExist))
        return TChosenFileCheck::FileMissing;
    return options.Contains(ofCreatePrompt) ? TChosenFileCheck::AskCreate : TChosenFileCheck::Accept;
}
