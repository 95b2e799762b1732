#include "screenshots.h"

#include "platform/gui/qt/bitmap_impl.h"

#include <QDir>

void SaveScreenshot(const TBitmap& bitmap, const std::string& name, int scale)
{
    const QDir folder(QM_SCREENSHOT_DIR);
    if (!folder.mkpath("."))
        return;
    bitmap.Internal().ReleaseCanvas();
    const QImage& image = bitmap.Internal().image;
    image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(folder.filePath(QString::fromStdString(name) + ".png"));
}
