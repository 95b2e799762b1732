#pragma once

// The images of the menu and toolbar benchmarks: six coloured squares, as our image list and as the
// toolkit's icons.

#include "controls/toolbars/bar_image_list.h"
#include "platform/gui/graphics/bitmap.h"

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

inline const QColor imageColors[] = {Qt::darkGreen, Qt::darkYellow, Qt::red,
                                     Qt::blue,      Qt::darkCyan,   Qt::black};
constexpr int ImageCount = 6;

inline TBarCustomImageList* ColourSquareImages(TComponent* owner)
{
    auto* images = new TBarCustomImageList(owner);
    TBitmap strip(16 * ImageCount, 16);
    for (int i = 0; i < ImageCount; ++i) {
        const QColor c = imageColors[i];
        strip.Canvas()->Brush()->SetColor(static_cast<TColor>(c.red() | c.green() << 8 | c.blue() << 16));
        strip.Canvas()->FillRect({i * 16 + 2, 2, i * 16 + 14, 14});
    }
    images->SetImagesBitmap(&strip);
    return images;
}

inline QIcon ColourSquareIcon(int i)
{
    QPixmap image(16, 16);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(2, 2, 12, 12, imageColors[i % ImageCount]);
    return QIcon(image);
}
