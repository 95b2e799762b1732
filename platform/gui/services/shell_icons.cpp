#include "platform/gui/services/shell_icons.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMimeDatabase>
#include <QPainter>

#include <map>

namespace {

constexpr int SmallSize = 16, LargeSize = 32;

struct TShellIcons
{
    TShellIcons()
    {
        small.SetSize(SmallSize, SmallSize);
        large.SetSize(LargeSize, LargeSize);
    }
    TImageList small{nullptr};
    TImageList large{nullptr};
    std::map<QString, int> indexes; // by icon theme and media type
};

TShellIcons& Icons()
{
    static TShellIcons icons;
    return icons;
}

// The type's icon in the desktop's theme, else the plain file or folder icon.
QIcon TypeIcon(const QMimeType& type, bool folder)
{
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        icon = QFileIconProvider().icon(folder ? QAbstractFileIconProvider::Folder
                                               : QAbstractFileIconProvider::File);
    return icon;
}

// The icon drawn in size by size pixels, centred where the theme has only smaller pictures.
void AddPicture(TCustomImageList& list, const QIcon& icon, int size)
{
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const QPixmap pixmap = icon.pixmap(QSize(size, size));
    QPainter painter(&picture);
    painter.drawPixmap((size - pixmap.width()) / 2, (size - pixmap.height()) / 2, pixmap);
    painter.end();
    TIcon image;
    AssignDecodedImage(image, picture);
    list.AddIcon(&image);
}

int IndexOf(const QMimeType& type, bool folder)
{
    TShellIcons& icons = Icons();
    const QString key = QIcon::themeName() + u'|' + type.name();
    if (auto it = icons.indexes.find(key); it != icons.indexes.end())
        return it->second;
    const QIcon icon = TypeIcon(type, folder);
    AddPicture(icons.small, icon, SmallSize);
    AddPicture(icons.large, icon, LargeSize);
    const int index = icons.small.Count() - 1;
    icons.indexes[key] = index;
    return index;
}

// A file's type by its name alone. A name that is all extension (".mkv") is one of that type, as a file
// "name.mkv" would be; the media database asks for something before the dot.
QMimeType TypeByName(const QString& name)
{
    const QString fileName = QFileInfo(name).fileName();
    return QMimeDatabase().mimeTypeForFile(fileName.startsWith(u'.') ? QStringLiteral("file") + fileName
                                                                     : fileName,
                                           QMimeDatabase::MatchExtension);
}

} // namespace

bool SHGetFileInfo(const std::string& path, unsigned fileAttributes, TSHFileInfo& info, unsigned flags)
{
    const QString name = QString::fromStdString(path);
    const QFileInfo file(name);
    const bool byName = flags & SHGFI_USEFILEATTRIBUTES;
    if (!byName && !file.exists())
        return false;
    const bool folder = byName ? (fileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 : file.isDir();
    const QMimeDatabase types;
    const QMimeType type = folder   ? types.mimeTypeForName(QStringLiteral("inode/directory"))
                           : byName ? TypeByName(name)
                                    : types.mimeTypeForFile(file);
    info.iIcon = IndexOf(type, folder);
    if (flags & SHGFI_ICON) {
        info.hIcon = std::make_unique<TIcon>();
        ShellImageList(flags & SHGFI_SMALLICON).GetIcon(info.iIcon, info.hIcon.get());
    }
    return true;
}

TCustomImageList& ShellImageList(bool small)
{
    return small ? Icons().small : Icons().large;
}
