#include "platform/gui/graphics/image_list.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/picture.h"
#include "platform/gui/qt/bitmap_impl.h"
#include "platform/gui/qt/canvas_impl.h"

#include <algorithm>

// --- TChangeLink --------------------------------------------------------------------------------------

TChangeLink::~TChangeLink()
{
    if (sender_)
        sender_->UnRegisterChanges(this);
}

void TChangeLink::SetSender(TCustomImageList* sender)
{
    if (sender_)
        sender_->UnRegisterChanges(this);
    if (sender)
        sender->RegisterChanges(this);
}

// --- TCustomImageList ---------------------------------------------------------------------------------

namespace {

// The image's pixels as straight 32-bit ARGB; alpha that is zero everywhere means "opaque".
QImage WithAlpha(const TBitmap& bitmap)
{
    QImage image = bitmap.Internal().image.convertToFormat(QImage::Format_ARGB32);
    if (bitmap.PixelFormat() != pf32bit)
        return image;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 0)
                return image;
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] |= 0xFF000000;
    }
    return image;
}

QImage GreyedHalf(const QImage& premultiplied)
{
    QImage image = premultiplied.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            const int grey = (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
            line[x] = qRgba(grey, grey, grey, qAlpha(c) / 2);
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

namespace {

// The image with the mask applied: mask pixels that are not black make the image transparent there.
QImage WithMask(const TBitmap& image, const TBitmap* mask)
{
    QImage pixels = WithAlpha(image);
    if (!mask || mask->Empty())
        return pixels;
    const QImage m = mask->Internal().image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < std::min(pixels.height(), m.height()); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        const auto* bits = reinterpret_cast<const QRgb*>(m.constScanLine(y));
        for (int x = 0; x < std::min(pixels.width(), m.width()); ++x)
            if ((bits[x] & 0xFFFFFF) != 0)
                line[x] = 0;
    }
    return pixels;
}

// The image with the pixels of maskColor made transparent.
QImage KeyedOut(const TBitmap& image, TColor maskColor)
{
    QImage pixels = WithAlpha(image);
    const QRgb key = ToQColor(maskColor).rgb() & 0xFFFFFF;
    for (int y = 0; y < pixels.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return pixels;
}

QImage IconPixels(const TIcon& icon)
{
    return DecodedImage(icon).convertToFormat(QImage::Format_ARGB32);
}

const char ImageListMagic[4] = {'Q', 'M', 'I', 'L'};

} // namespace

// Images are kept as premultiplied 32-bit pixels. Cut splits an image into Width-wide pieces (one when it is
// narrower); what lies outside Width x Height is cut off and what is missing stays transparent.
struct TCustomImageList::Images
{
    std::vector<QImage> list;

    static Images Cut(const QImage& pixels, int width, int height)
    {
        Images pieces;
        if (pixels.isNull())
            return pieces;
        const int count = std::max(1, pixels.width() / width);
        for (int i = 0; i < count; ++i) {
            QImage piece(width, height, QImage::Format_ARGB32_Premultiplied);
            piece.fill(Qt::transparent);
            QPainter p(&piece);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, pixels, i * width, 0, width, height);
            p.end();
            pieces.list.push_back(piece);
        }
        return pieces;
    }
};

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner), images_(std::make_unique<Images>())
{
    std::fill(std::begin(overlays_), std::end(overlays_), -1);
}

TCustomImageList::~TCustomImageList()
{
    for (TChangeLink* link : links_)
        link->sender_ = nullptr;
}

void TCustomImageList::SetSize(int width, int height)
{
    if (width == width_ && height == height_)
        return;
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    Clear(); // a new size empties the list, as the platform's lists do
}

void TCustomImageList::SetWidth(int width)
{
    SetSize(width, height_);
}

void TCustomImageList::SetHeight(int height)
{
    SetSize(width_, height);
}

int TCustomImageList::Count() const
{
    return static_cast<int>(images_->list.size());
}

void TCustomImageList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EInvalidOperation("Invalid image list index " + std::to_string(index));
}

void TCustomImageList::InsertPieces(int index, const Images& pieces)
{
    if (index < 0 || index > Count())
        throw EInvalidOperation("Invalid image list index " + std::to_string(index));
    if (pieces.list.empty())
        return;
    images_->list.insert(images_->list.begin() + index, pieces.list.begin(), pieces.list.end());
    Change();
}

void TCustomImageList::ReplaceWith(int index, const Images& pieces)
{
    CheckIndex(index);
    if (pieces.list.empty())
        return;
    images_->list[static_cast<size_t>(index)] = pieces.list.front();
    Change();
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask)
{
    if (!image || image->Empty())
        return -1;
    const int first = Count();
    Insert(first, image, mask);
    return first;
}

int TCustomImageList::AddIcon(TIcon* image)
{
    if (!image || image->Empty())
        return -1;
    const int first = Count();
    InsertIcon(first, image);
    return first;
}

int TCustomImageList::AddImage(TCustomImageList* value, int index)
{
    if (!value || index < 0 || index >= value->Count())
        return -1;
    Images piece;
    piece.list.push_back(value->images_->list[static_cast<size_t>(index)]);
    if (value->width_ != width_ || value->height_ != height_)
        piece = Images::Cut(piece.list.front(), width_, height_);
    const int added = Count();
    InsertPieces(added, piece);
    return added;
}

void TCustomImageList::AddImages(TCustomImageList* value)
{
    if (!value || value == this)
        return;
    for (int i = 0; i < value->Count(); ++i)
        AddImage(value, i);
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor)
{
    if (!image || image->Empty())
        return -1;
    const int first = Count();
    InsertMasked(first, image, maskColor);
    return first;
}

void TCustomImageList::Insert(int index, TBitmap* image, TBitmap* mask)
{
    if (image && !image->Empty())
        InsertPieces(index, Images::Cut(WithMask(*image, mask), width_, height_));
}

void TCustomImageList::InsertIcon(int index, TIcon* image)
{
    if (image && !image->Empty())
        InsertPieces(index, Images::Cut(IconPixels(*image).scaled(width_, height_), width_, height_));
}

void TCustomImageList::InsertMasked(int index, TBitmap* image, TColor maskColor)
{
    if (image && !image->Empty())
        InsertPieces(index, Images::Cut(KeyedOut(*image, maskColor), width_, height_));
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask)
{
    CheckIndex(index);
    if (image && !image->Empty())
        ReplaceWith(index, Images::Cut(WithMask(*image, mask), width_, height_));
}

void TCustomImageList::ReplaceIcon(int index, TIcon* image)
{
    CheckIndex(index);
    if (image && !image->Empty())
        ReplaceWith(index, Images::Cut(IconPixels(*image).scaled(width_, height_), width_, height_));
}

void TCustomImageList::ReplaceMasked(int index, TBitmap* newImage, TColor maskColor)
{
    CheckIndex(index);
    if (newImage && !newImage->Empty())
        ReplaceWith(index, Images::Cut(KeyedOut(*newImage, maskColor), width_, height_));
}

void TCustomImageList::Delete(int index)
{
    CheckIndex(index);
    images_->list.erase(images_->list.begin() + index);
    Change();
}

void TCustomImageList::Clear()
{
    images_->list.clear();
    std::fill(std::begin(overlays_), std::end(overlays_), -1);
    Change();
}

void TCustomImageList::Move(int curIndex, int newIndex)
{
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    QImage image = images_->list[static_cast<size_t>(curIndex)];
    images_->list.erase(images_->list.begin() + curIndex);
    images_->list.insert(images_->list.begin() + newIndex, image);
    Change();
}

void TCustomImageList::GetBitmap(int index, TBitmap* image) const
{
    CheckIndex(index);
    AssignImage(*image, images_->list[static_cast<size_t>(index)], pf32bit);
}

void TCustomImageList::GetIcon(int index, TIcon* image) const
{
    CheckIndex(index);
    AssignDecodedImage(*image,
                       images_->list[static_cast<size_t>(index)].convertToFormat(QImage::Format_ARGB32));
}

bool TCustomImageList::Overlay(int imageIndex, int overlay)
{
    if (overlay < 0 || overlay > 14 || imageIndex < 0 || imageIndex >= Count())
        return false;
    overlays_[overlay] = imageIndex;
    return true;
}

void TCustomImageList::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TCustomImageList*>(source);
    if (!other) {
        TComponent::Assign(source);
        return;
    }
    if (other == this)
        return;
    TMemoryStream data;
    other->WriteData(data);
    data.SetPosition(0);
    width_ = other->width_;
    height_ = other->height_;
    images_->list.clear();
    bkColor_ = other->bkColor_;
    blendColor_ = other->blendColor_;
    drawingStyle_ = other->drawingStyle_;
    masked_ = other->masked_;
    allocBy_ = other->allocBy_;
    colorDepth_ = other->colorDepth_;
    ReadData(data);
    Change();
}

void TCustomImageList::WriteData(TStream& stream) const
{
    const int32_t header[3] = {width_, height_, Count()};
    stream.WriteBuffer(ImageListMagic, sizeof ImageListMagic);
    stream.WriteBuffer(header, sizeof header);
    for (const QImage& image : images_->list)
        for (int y = 0; y < height_; ++y)
            stream.WriteBuffer(image.constScanLine(y), int64_t(width_) * 4);
    stream.WriteBuffer(overlays_, sizeof overlays_);
}

void TCustomImageList::ReadData(TStream& stream)
{
    const auto damaged = [] { return EInvalidGraphic("Image list data is not valid"); };
    char magic[4];
    int32_t header[3];
    if (stream.Read(magic, sizeof magic) != int64_t(sizeof magic) ||
        !std::equal(magic, magic + 4, ImageListMagic) ||
        stream.Read(header, sizeof header) != int64_t(sizeof header))
        throw damaged();
    const auto [width, height, count] = header;
    if (width != width_ || height != height_ || count < 0 ||
        count * (int64_t(width) * height * 4) + int64_t(sizeof overlays_) > stream.Size() - stream.Position())
        throw damaged();
    std::vector<QImage> list;
    for (int i = 0; i < count; ++i) {
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < height; ++y)
            stream.ReadBuffer(image.scanLine(y), int64_t(width) * 4);
        list.push_back(image);
    }
    int overlays[15];
    stream.ReadBuffer(overlays, sizeof overlays);
    for (int& overlay : overlays)
        if (overlay < -1 || overlay >= count)
            overlay = -1;
    images_->list = std::move(list);
    std::copy(std::begin(overlays), std::end(overlays), std::begin(overlays_));
    Change();
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled)
{
    Draw(canvas, x, y, index, drawingStyle_, itImage, enabled);
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, TDrawingStyle style, TImageType type,
                            bool enabled)
{
    if (index < 0 || index >= Count())
        return;
    unsigned flags = type == itMask ? ILD_MASK : ILD_NORMAL;
    if (style == dsTransparent)
        flags |= ILD_TRANSPARENT;
    DoDraw(index, canvas, x, y, flags, enabled);
}

void TCustomImageList::DrawOverlay(TCanvas& canvas, int x, int y, int imageIndex, int overlay, bool enabled)
{
    if (imageIndex < 0 || imageIndex >= Count())
        return;
    DoDraw(imageIndex, canvas, x, y, IndexToOverlayMask(static_cast<unsigned>(overlay) + 1), enabled);
}

void TCustomImageList::DoDraw(int index, TCanvas& canvas, int x, int y, unsigned style, bool enabled)
{
    QPainter* p = canvas.Internal().BrushPainter();
    if (!p)
        return;
    const QImage& image = images_->list[static_cast<size_t>(index)];
    if (style & ILD_MASK) {
        p->drawImage(x, y, MaskFromAlpha(image));
        return;
    }
    if (bkColor_ != clNone && !(style & ILD_TRANSPARENT))
        p->fillRect(QRect(x, y, width_, height_), ToQColor(bkColor_));
    p->drawImage(x, y, enabled ? image : GreyedHalf(image));
    const unsigned overlay = (style & ILD_OVERLAYMASK) >> 8;
    if (overlay >= 1 && overlay <= 15 && overlays_[overlay - 1] >= 0 && overlays_[overlay - 1] < Count()) {
        const QImage& top = images_->list[static_cast<size_t>(overlays_[overlay - 1])];
        p->drawImage(x, y, enabled ? top : GreyedHalf(top));
    }
}

void TCustomImageList::RegisterChanges(TChangeLink* link)
{
    if (!link || std::find(links_.begin(), links_.end(), link) != links_.end())
        return;
    links_.push_back(link);
    link->sender_ = this;
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link)
{
    std::erase(links_, link);
    if (link && link->sender_ == this)
        link->sender_ = nullptr;
}

void TCustomImageList::Change()
{
    for (TChangeLink* link : links_)
        if (link->OnChange)
            link->OnChange(this);
    if (OnChange)
        OnChange(this);
}
