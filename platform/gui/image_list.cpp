#include "platform/gui/image_list.h"

#include "platform/gui/bitmap_impl.h"
#include "platform/gui/canvas_impl.h"
#include "platform/gui/exceptions.h"

#include <algorithm>

// Images are kept as premultiplied 32-bit pixels.
struct TCustomImageList::Images
{
    std::vector<QImage> list;
};

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

int TCustomImageList::Add(TBitmap* image, TBitmap* mask)
{
    if (!image || image->Empty())
        return -1;
    QImage pixels = WithAlpha(*image);
    if (mask && !mask->Empty()) {
        const QImage m = mask->Internal().image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < std::min(pixels.height(), m.height()); ++y) {
            auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
            const auto* bits = reinterpret_cast<const QRgb*>(m.constScanLine(y));
            for (int x = 0; x < std::min(pixels.width(), m.width()); ++x)
                if ((bits[x] & 0xFFFFFF) != 0)
                    line[x] = 0;
        }
    }
    const int first = Count();
    const int pieces = std::max(1, pixels.width() / width_);
    for (int i = 0; i < pieces; ++i) {
        QImage piece(width_, height_, QImage::Format_ARGB32_Premultiplied);
        piece.fill(Qt::transparent);
        QPainter p(&piece);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, pixels, i * width_, 0, width_, height_);
        p.end();
        images_->list.push_back(piece);
    }
    Change();
    return first;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor)
{
    if (!image || image->Empty())
        return -1;
    TBitmap mask(image->Width(), image->Height(), pf24bit);
    const QImage src = image->Internal().image.convertToFormat(QImage::Format_RGB32);
    const QRgb key = ToQColor(maskColor).rgb() & 0xFFFFFF;
    for (int y = 0; y < src.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        uint8_t* out = mask.ScanLine(y);
        for (int x = 0; x < src.width(); ++x) {
            const uint8_t v = (line[x] & 0xFFFFFF) == key ? 255 : 0;
            out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = v;
        }
    }
    return Add(image, &mask);
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask)
{
    CheckIndex(index);
    TCustomImageList single(nullptr);
    single.SetSize(width_, height_);
    if (single.Add(image, mask) < 0)
        return;
    images_->list[static_cast<size_t>(index)] = single.images_->list.front();
    Change();
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
    image->SetSize(0, 0);
    image->SetPixelFormat(pf32bit);
    image->SetSize(width_, height_);
    image->Internal().ReleaseCanvas();
    image->Internal().image =
        images_->list[static_cast<size_t>(index)].convertToFormat(QImage::Format_ARGB32);
}

bool TCustomImageList::Overlay(int imageIndex, int overlay)
{
    if (overlay < 1 || overlay > 15 || imageIndex < 0 || imageIndex >= Count())
        return false;
    overlays_[overlay - 1] = imageIndex;
    return true;
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
    DoDraw(imageIndex, canvas, x, y, IndexToOverlayMask(static_cast<unsigned>(overlay)), enabled);
}

void TCustomImageList::DoDraw(int index, TCanvas& canvas, int x, int y, unsigned style, bool enabled)
{
    QPainter* p = canvas.Internal().BrushPainter();
    if (!p)
        return;
    const QImage& image = images_->list[static_cast<size_t>(index)];
    if (style & ILD_MASK) {
        // The mask: black where the image shows, white where it is transparent.
        QImage mask(image.size(), QImage::Format_RGB32);
        for (int row = 0; row < image.height(); ++row) {
            const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(row));
            auto* out = reinterpret_cast<QRgb*>(mask.scanLine(row));
            for (int col = 0; col < image.width(); ++col)
                out[col] = qAlpha(in[col]) ? 0xFF000000 : 0xFFFFFFFF;
        }
        p->drawImage(x, y, mask);
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
