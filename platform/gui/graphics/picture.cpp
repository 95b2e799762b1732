#include "platform/gui/graphics/picture.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/core/stream_bytes.h"
#include "platform/gui/graphics/png_image.h"
#include "platform/gui/qt/bitmap_impl.h"
#include "platform/gui/qt/canvas_impl.h"
#include "support/utf8.h"

#include <QBuffer>
#include <QImage>

#include <map>

// --- TDecodedImage ------------------------------------------------------------------------------------

struct TDecodedImage::Impl
{
    const char* format;
    QImage image;
};

TDecodedImage::TDecodedImage(const char* format) : impl_(std::make_unique<Impl>(Impl{format, QImage()})) {}
TDecodedImage::~TDecodedImage() = default;

bool TDecodedImage::Empty() const
{
    return impl_->image.isNull();
}

int TDecodedImage::Width() const
{
    return impl_->image.width();
}

int TDecodedImage::Height() const
{
    return impl_->image.height();
}

void TDecodedImage::Assign(const TPersistent* source)
{
    if (const auto* other = dynamic_cast<const TDecodedImage*>(source)) {
        impl_->image = other->impl_->image;
        Changed();
        return;
    }
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        impl_->image = bitmap->Internal().image.copy();
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TDecodedImage::AssignTo(TPersistent* dest) const
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(dest)) {
        AssignImage(*bitmap, impl_->image, impl_->image.hasAlphaChannel() ? pf32bit : pf24bit);
        return;
    }
    TGraphic::AssignTo(dest);
}

void TDecodedImage::LoadFromStream(TStream& stream)
{
    const std::string bytes = ReadToEnd(stream);
    QImage loaded;
    if (!loaded.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()),
                             impl_->format))
        throw EInvalidGraphic(std::string(impl_->format) + " image is not valid");
    impl_->image = loaded;
    Changed();
}

void TDecodedImage::SaveToStream(TStream& stream) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!impl_->image.save(&buffer, impl_->format))
        throw EInvalidGraphic(std::string(impl_->format) + " image could not be written");
    WriteAll(stream, bytes.toStdString());
}

void TDecodedImage::Draw(TCanvas& canvas, const TRect& rect)
{
    if (QPainter* p = canvas.Internal().PicturePainter())
        p->drawImage(ToQRect(rect), impl_->image);
}

const QImage& DecodedImage(const TDecodedImage& graphic)
{
    return graphic.impl_->image;
}

void AssignDecodedImage(TDecodedImage& graphic, const QImage& image)
{
    graphic.impl_->image = image;
    graphic.Changed();
}

bool GetIconInfo(const TIcon& icon, TBitmap& color, TBitmap& mask)
{
    const QImage& image = DecodedImage(icon);
    if (image.isNull())
        return false;
    AssignImage(color, image, pf32bit);
    AssignImage(mask, MaskFromAlpha(image), pf24bit);
    return true;
}

// --- TPicture -----------------------------------------------------------------------------------------

namespace {

struct FileFormat
{
    std::string description;
    TPicture::TGraphicFactory factory;
};

std::map<std::string, FileFormat>& Formats()
{
    static std::map<std::string, FileFormat> formats = {
        {"bmp", {"Bitmaps", [] { return std::make_unique<TBitmap>(); }}},
        {"png", {"Portable Network Graphics", [] { return std::make_unique<TPngImage>(); }}},
        {"jpg", {"JPEG Image File", [] { return std::make_unique<TJPEGImage>(); }}},
        {"jpeg", {"JPEG Image File", [] { return std::make_unique<TJPEGImage>(); }}},
        {"ico", {"Icons", [] { return std::make_unique<TIcon>(); }}},
    };
    return formats;
}

std::string ExtensionOf(const std::string& fileName)
{
    const size_t dot = fileName.rfind('.');
    const size_t slash = fileName.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return AsciiLowerCase(fileName.substr(dot + 1));
}

} // namespace

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  TGraphicFactory factory)
{
    Formats()[AsciiLowerCase(extension)] = {description, std::move(factory)};
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TPicture::SetGraphic(const TGraphic* graphic)
{
    if (!graphic) {
        graphic_.reset();
        Changed();
        return;
    }
    // A copy of the same kind: found through the registry by trying each kind that accepts it.
    for (const auto& [extension, format] : Formats()) {
        std::unique_ptr<TGraphic> copy = format.factory();
        const TGraphic& made = *copy;
        if (typeid(made) != typeid(*graphic))
            continue;
        copy->Assign(graphic);
        graphic_ = std::move(copy);
        Changed();
        return;
    }
    throw EInvalidGraphic("Unknown picture kind " + graphic->ClassName());
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    graphic_ = std::move(graphic);
    Changed();
}

TBitmap* TPicture::Bitmap()
{
    auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get());
    if (!bitmap) {
        graphic_ = std::make_unique<TBitmap>();
        bitmap = static_cast<TBitmap*>(graphic_.get());
        Changed();
    }
    return bitmap;
}

void TPicture::LoadFromFile(const std::string& fileName)
{
    const auto found = Formats().find(ExtensionOf(fileName));
    if (found == Formats().end())
        throw EInvalidGraphic("Unknown picture file extension (." + ExtensionOf(fileName) + ")");
    std::unique_ptr<TGraphic> graphic = found->second.factory();
    graphic->LoadFromFile(fileName);
    graphic_ = std::move(graphic);
    Changed();
}

void TPicture::SaveToFile(const std::string& fileName) const
{
    if (graphic_)
        graphic_->SaveToFile(fileName);
}

void TPicture::Assign(const TPersistent* source)
{
    if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
        SetGraphic(picture->graphic_.get());
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        SetGraphic(graphic);
        return;
    }
    if (!source) {
        SetGraphic(nullptr);
        return;
    }
    TPersistent::Assign(source);
}
