#include "platform/gui/graphics/bitmap.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/core/resources.h"
#include "platform/gui/qt/bitmap_impl.h"
#include "platform/gui/qt/canvas_impl.h"
#include "platform/gui/qt/image_reading.h"

#include <QBuffer>

#include "platform/gui/core/stream_bytes.h"
#include <iterator>

// --- TGraphic -----------------------------------------------------------------------------------------

void TGraphic::SetTransparent(bool transparent)
{
    if (transparent_ == transparent)
        return;
    transparent_ = transparent;
    Changed();
}

void TGraphic::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& fileName)
{
    TFileStream file(fileName, fmOpenRead);
    LoadFromStream(file);
}

void TGraphic::SaveToFile(const std::string& fileName) const
{
    TMemoryStream bytes;
    SaveToStream(bytes);
    SaveFileBytes(fileName, std::string_view(reinterpret_cast<const char*>(bytes.Memory()),
                                             static_cast<size_t>(bytes.Size())));
}

// --- TBitmap ------------------------------------------------------------------------------------------

QImage::Format QtFormat(TPixelFormat format)
{
    switch (format) {
    case pf24bit:
        return QImage::Format_BGR888;
    case pf32bit:
        return QImage::Format_ARGB32;
    default:
        return QImage::Format_RGB32;
    }
}

void TBitmap::Impl::ReleaseCanvas()
{
    if (canvas)
        canvas->Internal().ReleaseImagePainter();
}

TBitmap::TBitmap() : impl_(std::make_unique<Impl>()) {}

TBitmap::TBitmap(int width, int height, TPixelFormat format) : TBitmap()
{
    format_ = format;
    SetSize(width, height);
}

TBitmap::~TBitmap()
{
    impl_->canvas.reset();
}

bool TBitmap::Empty() const
{
    return impl_->image.isNull();
}

int TBitmap::Width() const
{
    return impl_->image.width();
}

int TBitmap::Height() const
{
    return impl_->image.height();
}

void TBitmap::SetWidth(int width)
{
    SetSize(width, Height());
}

void TBitmap::SetHeight(int height)
{
    SetSize(Width(), height);
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    impl_->ReleaseCanvas();
    QImage resized;
    if (width > 0 && height > 0) {
        resized = QImage(width, height, QtFormat(format_));
        resized.fill(format_ == pf32bit ? QColor(0, 0, 0, 0) : QColor(Qt::white));
        // What fits of the old pixels stays.
        for (int y = 0; y < std::min(height, Height()); ++y) {
            const int bytes = std::min(resized.bytesPerLine(), impl_->image.bytesPerLine());
            const int used = std::min(width, Width()) * resized.depth() / 8;
            std::copy_n(impl_->image.constScanLine(y), std::min(bytes, used), resized.scanLine(y));
        }
    }
    impl_->image = resized;
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == format_)
        return;
    impl_->ReleaseCanvas();
    format_ = format;
    if (!impl_->image.isNull())
        impl_->image = impl_->image.convertToFormat(QtFormat(format));
    Changed();
}

uint8_t* TBitmap::ScanLine(int row)
{
    if (row < 0 || row >= Height())
        throw EInvalidGraphic("Scan line index out of range");
    return impl_->image.scanLine(row);
}

const uint8_t* TBitmap::ScanLine(int row) const
{
    if (row < 0 || row >= Height())
        throw EInvalidGraphic("Scan line index out of range");
    return impl_->image.constScanLine(row);
}

TCanvas* TBitmap::Canvas()
{
    if (!impl_->canvas) {
        impl_->canvas = std::make_unique<TCanvas>();
        impl_->canvas->Internal().SetImage(&impl_->image);
    }
    return impl_->canvas.get();
}

void TBitmap::SetTransparentMode(TTransparentMode mode)
{
    if (mode == transparentMode_)
        return;
    transparentMode_ = mode;
    Changed();
}

TColor TBitmap::TransparentColor() const
{
    if (transparentMode_ == tmFixed)
        return transparentColor_;
    if (Empty())
        return clDefault;
    return FromQColor(impl_->image.pixelColor(0, Height() - 1));
}

void TBitmap::SetTransparentColor(TColor color)
{
    transparentColor_ = color;
    transparentMode_ = color == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::Assign(const TPersistent* source)
{
    const auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (!bitmap) {
        if (!source) {
            impl_->ReleaseCanvas();
            impl_->image = QImage();
            Changed();
            return;
        }
        TGraphic::Assign(source);
        return;
    }
    if (bitmap == this)
        return;
    impl_->ReleaseCanvas();
    bitmap->impl_->ReleaseCanvas();
    impl_->image = bitmap->impl_->image.copy();
    format_ = bitmap->format_;
    transparentMode_ = bitmap->transparentMode_;
    transparentColor_ = bitmap->transparentColor_;
    SetTransparent(bitmap->Transparent());
    Changed();
}

QImage MaskFromAlpha(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    QImage mask(pixels.size(), QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            out[x] = qAlpha(in[x]) ? 0xFF000000 : 0xFFFFFFFF;
    }
    return mask;
}

void AssignImage(TBitmap& bitmap, const QImage& image, TPixelFormat format)
{
    bitmap.impl_->ReleaseCanvas();
    bitmap.format_ = format;
    bitmap.impl_->image = image.convertToFormat(QtFormat(format));
    bitmap.Changed();
}

void TBitmap::LoadFromStream(TStream& stream)
{
    const QImage loaded = ReadImage(ReadToEnd(stream), nullptr, "Bitmap");
    AssignImage(*this, loaded, loaded.hasAlphaChannel() ? pf32bit : pf24bit);
}

void TBitmap::LoadFromResourceName(const std::string& name)
{
    TResourceStream stream(name, RT_BITMAP);
    LoadFromStream(stream);
}

void TBitmap::SaveToStream(TStream& stream) const
{
    impl_->ReleaseCanvas();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!impl_->image.save(&buffer, format_ == pf32bit ? "PNG" : "BMP"))
        throw EInvalidGraphic("Bitmap image could not be written");
    WriteAll(stream, bytes.toStdString());
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect)
{
    QPainter* p = canvas.Internal().PicturePainter();
    if (!p || Empty())
        return;
    impl_->ReleaseCanvas();
    if (!Transparent()) {
        p->drawImage(ToQRect(rect), impl_->image);
        return;
    }
    // Pixels of the transparent colour are left out.
    QImage keyed = impl_->image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(TransparentColor()).rgb() & 0xFFFFFF;
    const int width = keyed.width(), height = keyed.height();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < width; ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    p->drawImage(ToQRect(rect), keyed);
}
