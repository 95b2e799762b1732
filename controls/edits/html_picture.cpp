#include "controls/edits/html_picture.h"

#include "controls/edits/gif_frames.h"
#include "platform/gui/core/resources.h"
#include "platform/gui/core/stream_bytes.h"
#include "platform/gui/graphics/picture.h"
#include "support/utf8.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <optional>

namespace {

// The rest of url after prefix (compared in upper case), or nullopt when url does not start with it.
std::optional<std::string> AfterScheme(const std::string& url, std::string_view prefix)
{
    if (AsciiUpperCase(url.substr(0, prefix.size())) != prefix)
        return std::nullopt;
    return url.substr(prefix.size());
}

} // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::SetData(std::string bytes, int frame)
{
    try {
        data_ = std::move(bytes);
    } catch (const std::bad_alloc&) {
        throw Exception("Could not allocate memory for image");
    }
    empty_ = false;
    frame_ = frame;
    frameCount_ = -1;
    Decode();
    Changed();
}

void THTMLPicture::Decode()
{
    width_ = height_ = 0;
    frameX_ = frameY_ = 0;
    image_.reset();
    if (data_.empty())
        return;
    ReadFramePosition();
    TMemoryStream stream;
    WriteAll(stream, data_);
    stream.SetPosition(0);
    image_ = std::make_unique<TGPImage>(stream);
    width_ = static_cast<int>(image_->GetWidth());
    height_ = static_cast<int>(image_->GetHeight());
}

void THTMLPicture::ReadFramePosition()
{
    if (!IsGIF())
        return;
    const std::vector<size_t> markers = GifFrameMarkers(data_);
    if (frame_ < 1 || frame_ > static_cast<int>(markers.size()))
        return;
    const TGifFrame descriptor = GifFrameAt(data_, markers[frame_ - 1]);
    frameX_ = descriptor.Left;
    frameY_ = descriptor.Top;
}

void THTMLPicture::LoadFromFile(const std::string& fileName)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error))
        return;
    std::string bytes;
    try {
        std::ifstream file(fileName, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (!file.good() && !file.eof())
            return;
    } catch (const std::ios_base::failure&) {
        return;
    }
    SetData(std::move(bytes));
}

void THTMLPicture::LoadFromStream(TStream& stream)
{
    SetData(ReadToEnd(stream));
}

void THTMLPicture::SaveToStream(TStream& stream) const
{
    WriteAll(stream, data_);
}

void THTMLPicture::LoadFromResourceName(const std::string& name)
{
    if (!FindResource(name, RT_RCDATA))
        return;
    TResourceStream resource(name, RT_RCDATA);
    LoadFromStream(resource);
}

void THTMLPicture::LoadFromURL(const std::string& url)
{
    if (const auto resource = AfterScheme(url, "RES://")) {
        id_ = url;
        if (!resource->empty())
            LoadFromResourceName(*resource);
    } else if (const auto file = AfterScheme(url, "FILE://")) {
        id_ = url;
        if (!file->empty())
            LoadFromFile(*file);
    } else if (!asynch_) {
        url_ = id_ = url;
    } else if (!busy_) {
        // A download would start here; nothing is downloaded, so the picture stays busy and empty.
        url_ = url;
        busy_ = true;
    }
}

void THTMLPicture::Assign(const TPersistent* source)
{
    empty_ = true;
    frameCount_ = -1;
    SetFrame(1);
    if (!source) {
        data_.clear();
        Decode();
        return;
    }
    if (const auto* picture = dynamic_cast<const THTMLPicture*>(source)) {
        stretch_ = picture->stretch_;
        id_ = picture->id_;
        SetData(picture->data_, picture->frame_);
        return;
    }
    const TGraphic* graphic = dynamic_cast<const TGraphic*>(source);
    if (const auto* platformPicture = dynamic_cast<const TPicture*>(source))
        graphic = platformPicture->Graphic();
    if (!graphic) {
        TGraphic::Assign(source);
        return;
    }
    TMemoryStream bytes;
    graphic->SaveToStream(bytes);
    bytes.SetPosition(0);
    LoadFromStream(bytes);
}

void THTMLPicture::SetFrame(int value)
{
    frame_ = value;
    if (data_.empty())
        return;
    // Only the first frame is ever decoded and drawn, so a decoding made for another frame would be the same:
    // the frame moves only the position its descriptor gives.
    frameX_ = frameY_ = 0;
    ReadFramePosition();
    if (OnFrameChange)
        OnFrameChange(this);
}

bool THTMLPicture::IsGIF() const
{
    return data_.size() > 4 && data_.compare(0, 4, "GIF8") == 0;
}

int THTMLPicture::FrameCount()
{
    if (!IsGIF())
        return -1;
    if (frameCount_ < 0)
        frameCount_ = static_cast<int>(GifFrameMarkers(data_).size());
    return frameCount_;
}

void THTMLPicture::Draw(TCanvas& canvas, const TRect& rect)
{
    if (empty_ || !image_ || !image_->Pixels())
        return;
    if (image_->GetFormat() == ifBMP) {
        TBitmap* bitmap = image_->Pixels();
        bitmap->SetTransparentMode(tmAuto);
        bitmap->SetTransparent(true);
        canvas.StretchDraw(rect, bitmap);
        return;
    }
    TGPGraphics(canvas).DrawImageRect(image_.get(), rect.Left, rect.Top, rect.Width(), rect.Height());
}
