#include "platform/gui/windows/cursors.h"

#include "platform/gui/core/resources.h"
#include "platform/gui/core/stream_bytes.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/qt/bitmap_impl.h"
#include "platform/gui/qt/image_reading.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/window_functions.h"

#include <QApplication>
#include <QCursor>
#include <QPixmap>

#include <map>
#include <memory>
#include <optional>

struct TCursorShape
{
    QCursor cursor;
    TCursor kind;
};

namespace {

struct StandardShape
{
    TCursor kind;
    Qt::CursorShape shape;
};

constexpr StandardShape standardShapes[] = {{crArrow, Qt::ArrowCursor},
                                            {crCross, Qt::CrossCursor},
                                            {crIBeam, Qt::IBeamCursor},
                                            {crSizeNESW, Qt::SizeBDiagCursor},
                                            {crSizeNS, Qt::SizeVerCursor},
                                            {crSizeNWSE, Qt::SizeFDiagCursor},
                                            {crSizeWE, Qt::SizeHorCursor},
                                            {crUpArrow, Qt::UpArrowCursor},
                                            {crHourGlass, Qt::WaitCursor},
                                            {crDrag, Qt::DragCopyCursor},
                                            {crNoDrop, Qt::ForbiddenCursor},
                                            {crHSplit, Qt::SplitHCursor},
                                            {crVSplit, Qt::SplitVCursor},
                                            {crMultiDrag, Qt::DragCopyCursor},
                                            {crSQLWait, Qt::WaitCursor},
                                            {crNo, Qt::ForbiddenCursor},
                                            {crAppStart, Qt::BusyCursor},
                                            {crHelp, Qt::WhatsThisCursor},
                                            {crHandPoint, Qt::PointingHandCursor},
                                            {crSizeAll, Qt::SizeAllCursor},
                                            {crNone, Qt::BlankCursor}};

std::map<TCursor, HCURSOR>& Table()
{
    static std::map<TCursor, HCURSOR> table;
    return table;
}

std::vector<std::unique_ptr<TCursorShape>>& Shapes()
{
    static std::vector<std::unique_ptr<TCursorShape>> shapes;
    return shapes;
}

HCURSOR NewShape(QCursor cursor, TCursor kind)
{
    Shapes().push_back(std::make_unique<TCursorShape>(TCursorShape{std::move(cursor), kind}));
    return Shapes().back().get();
}

// The hot spot of a cursor file's first picture; nullopt for bytes that are no cursor file. The file starts
// with a directory (16-bit words: reserved 0, type 2, the number of pictures), then 16 bytes per picture
// with the hot spot's x and y as the words at bytes 4 and 6.
std::optional<QPoint> CursorFileHotSpot(const std::string& bytes)
{
    auto word = [&](size_t at) {
        return static_cast<int>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8);
    };
    constexpr size_t directorySize = 6, entrySize = 16;
    if (bytes.size() < directorySize + entrySize || word(0) != 0 || word(2) != 2 || word(4) < 1)
        return std::nullopt;
    return QPoint(word(directorySize + 4), word(directorySize + 6));
}

HCURSOR current = nullptr;
TCursor screenOverride = crDefault;

} // namespace

HCURSOR CursorShape(TCursor cursor)
{
    auto& table = Table();
    if (auto it = table.find(cursor); it != table.end())
        return it->second;
    for (const StandardShape& standard : standardShapes) {
        if (standard.kind == cursor) {
            HCURSOR shape = NewShape(QCursor(standard.shape), cursor);
            table[cursor] = shape;
            return shape;
        }
    }
    return cursor == crArrow ? nullptr : CursorShape(crArrow);
}

void RegisterCursorShape(TCursor cursor, HCURSOR shape)
{
    Table()[cursor] = shape;
}

HCURSOR CreateImageCursor(const TBitmap& image, uint32_t transparentColor, int hotX, int hotY)
{
    QImage picture = image.Internal().image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key =
        qRgb(transparentColor & 0xFF, (transparentColor >> 8) & 0xFF, (transparentColor >> 16) & 0xFF);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                line[x] = 0;
    }
    return NewShape(QCursor(QPixmap::fromImage(picture), hotX, hotY), crNone);
}

HCURSOR LoadCursor(const std::string& name)
{
    TResourceStream stream(name, RT_CURSOR);
    const std::string bytes = ReadToEnd(stream);
    const std::optional<QPoint> hotSpot = CursorFileHotSpot(bytes);
    if (!hotSpot)
        throw EInvalidGraphic("Cursor " + name + " is not valid");
    const QImage picture = ReadImage(bytes, "CUR", "Cursor " + name);
    return NewShape(QCursor(QPixmap::fromImage(picture), hotSpot->x(), hotSpot->y()), crNone);
}

TCursor CursorStandardKind(HCURSOR cursor)
{
    return cursor ? cursor->kind : crNone;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    const HCURSOR previous = current;
    current = cursor;
    TPoint p;
    GetCursorPos(p);
    TWinControl* control = TWinControl::FromHandle(GetCapture());
    if (!control)
        control = TWinControl::FromHandle(WindowFromPoint(p));
    if (control && control->Window().widget) {
        const QCursor shape = cursor ? cursor->cursor : QCursor(Qt::BlankCursor);
        control->Window().widget->setCursor(shape);
        control->Window().client->setCursor(shape);
    }
    return previous;
}

HCURSOR GetCursor()
{
    return current;
}

TCursor ScreenCursorOverride()
{
    return screenOverride;
}

void SetScreenCursorOverride(TCursor cursor)
{
    if (cursor == screenOverride)
        return;
    if (screenOverride != crDefault)
        QApplication::restoreOverrideCursor();
    screenOverride = cursor;
    if (cursor != crDefault) {
        HCURSOR shape = CursorShape(cursor);
        QApplication::setOverrideCursor(shape ? shape->cursor : QCursor(Qt::BlankCursor));
    }
}
