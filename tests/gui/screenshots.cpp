#include "screenshots.h"

#include "platform/gui/qt/bitmap_impl.h"

#include <QDir>

void SaveScreenshot(const TBitmap& bitmap, const std::string& name)
{
    const QDir folder(QM_SCREENSHOT_DIR);
    if (!folder.mkpath("."))
        return;
    bitmap.Internal().ReleaseCanvas();
    bitmap.Internal().image.save(folder.filePath(QString::fromStdString(name) + ".png"));
}
