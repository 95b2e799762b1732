#include "gui_driver.h"
#include "platform/gui/services/shell_icons.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// A desktop icon theme of its own for the test: a red icon for Matroska videos in both sizes, nothing else.
class ShellIcons : public testing::Test
{
protected:
    void SetUp() override
    {
        QDir root(themes.path());
        ASSERT_TRUE(root.mkpath("qmtest/16x16/mimetypes") && root.mkpath("qmtest/32x32/mimetypes"));
        QFile index(root.filePath("qmtest/index.theme"));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=qmtest\nDirectories=16x16/mimetypes,32x32/mimetypes\n\n"
                    "[16x16/mimetypes]\nSize=16\nType=Fixed\nContext=MimeTypes\n\n"
                    "[32x32/mimetypes]\nSize=32\nType=Fixed\nContext=MimeTypes\n");
        index.close();
        for (int size : {16, 32}) {
            QImage red(size, size, QImage::Format_ARGB32);
            red.fill(Qt::red);
            ASSERT_TRUE(
                red.save(root.filePath(QString("qmtest/%1x%1/mimetypes/video-x-matroska.png").arg(size))));
        }
        searchPaths = QIcon::themeSearchPaths();
        themeName = QIcon::themeName();
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName("qmtest");
    }
    void TearDown() override
    {
        QIcon::setThemeSearchPaths(searchPaths);
        QIcon::setThemeName(themeName);
    }
    static TSHFileInfo ByName(const std::string& name, unsigned flags,
                              unsigned attributes = FILE_ATTRIBUTE_NORMAL)
    {
        TSHFileInfo info;
        EXPECT_TRUE(SHGetFileInfo(name, attributes, info, flags | SHGFI_USEFILEATTRIBUTES)) << name;
        return info;
    }
    static TColor Middle(const TIcon& icon)
    {
        TBitmap bitmap;
        bitmap.Assign(&icon);
        return bitmap.Canvas()->Pixels(icon.Width() / 2, icon.Height() / 2);
    }

    QTemporaryDir themes;
    QStringList searchPaths;
    QString themeName;
};

} // namespace

TEST_F(ShellIcons, FileTypesTakeTheThemesIconInBothSizes)
{
    const TSHFileInfo small = ByName("/nowhere/clip.mkv", SHGFI_ICON | SHGFI_SMALLICON);
    ASSERT_NE(small.hIcon, nullptr);
    EXPECT_EQ(small.hIcon->Width(), 16);
    EXPECT_EQ(Middle(*small.hIcon), clRed);

    const TSHFileInfo large = ByName("other.MKV", SHGFI_ICON | SHGFI_LARGEICON);
    EXPECT_EQ(large.iIcon, small.iIcon) << "one index per type, in both lists";
    EXPECT_EQ(large.hIcon->Width(), 32);
    EXPECT_EQ(Middle(*large.hIcon), clRed);
    EXPECT_EQ(ByName(".mkv", SHGFI_SYSICONINDEX).iIcon, small.iIcon) << "a bare extension names the type";
    EXPECT_EQ(ByName(".mkv", 0).hIcon, nullptr) << "no icon unless asked for";

    TBitmap drawn(16, 16, pf24bit);
    ShellImageList(true).Draw(*drawn.Canvas(), 0, 0, small.iIcon);
    EXPECT_EQ(drawn.Canvas()->Pixels(8, 8), clRed) << "the index draws from the shell's list";
}

TEST_F(ShellIcons, TypesWithoutAThemeIconTakeThePlainFileOrFolderIcon)
{
    QTemporaryDir folder;
    const std::string file = QDir(folder.path()).filePath("notes.qmunknown").toStdString();
    QFile(QString::fromStdString(file)).open(QIODevice::WriteOnly);

    TSHFileInfo existing, folderInfo, missing;
    ASSERT_TRUE(SHGetFileInfo(file, 0, existing, SHGFI_ICON | SHGFI_SMALLICON));
    ASSERT_TRUE(SHGetFileInfo(folder.path().toStdString(), 0, folderInfo, SHGFI_ICON | SHGFI_SMALLICON));
    EXPECT_FALSE(SHGetFileInfo(file + ".gone", 0, missing, SHGFI_ICON)) << "an existing file is needed";
    EXPECT_EQ(missing.iIcon, -1);
    EXPECT_EQ(missing.hIcon, nullptr);

    EXPECT_EQ(ByName("any/where", SHGFI_SMALLICON, FILE_ATTRIBUTE_DIRECTORY).iIcon, folderInfo.iIcon);
    EXPECT_NE(existing.iIcon, folderInfo.iIcon);
    EXPECT_NE(existing.iIcon, ByName("clip.mkv", 0).iIcon);
    for (const TSHFileInfo* info : {&existing, &folderInfo}) {
        ASSERT_NE(info->hIcon, nullptr);
        EXPECT_EQ(info->hIcon->Width(), 16);
        TBitmap color, mask;
        ASSERT_TRUE(GetIconInfo(*info->hIcon, color, mask));
        int shown = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                shown += mask.Canvas()->Pixels(x, y) == clBlack;
        EXPECT_GT(shown, 40) << "a fallback icon is a picture, not an empty square";
    }
    TBitmap strip(3 * 20, 20, pf24bit);
    ShellImageList(true).Draw(*strip.Canvas(), 2, 2, existing.iIcon);
    ShellImageList(true).Draw(*strip.Canvas(), 22, 2, folderInfo.iIcon);
    ShellImageList(true).Draw(*strip.Canvas(), 42, 2, ByName("clip.mkv", 0).iIcon);
    SaveScreenshot(strip, "shell_small_icons", 4);
    // Each cell shows an icon of its own: the file's, the folder's and the video type's.
    std::vector<std::vector<TColor>> cells(3);
    for (size_t i = 0; i < cells.size(); ++i) {
        for (int y = 2; y < 18; ++y)
            for (int x = 2 + 20 * static_cast<int>(i); x < 18 + 20 * static_cast<int>(i); ++x)
                cells[i].push_back(strip.Canvas()->Pixels(x, y));
        EXPECT_GT(std::count_if(cells[i].begin(), cells[i].end(), [](TColor c) { return c != clWhite; }), 20)
            << "cell " << i;
    }
    EXPECT_TRUE(cells[0] != cells[1] && cells[1] != cells[2] && cells[0] != cells[2]);
}
